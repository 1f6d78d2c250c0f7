#include "samplers/model/CSupportedSamplerRegistry.h"

#include "samplers/model/CHardwareSamplerClass.h"
#include "samplers/model/CPseudoSamplerClass.h"
#include "samplers/model/SupportedSamplerTable.h"

CSupportedSamplerRegistry::CSupportedSamplerRegistry(CABCSamplerIdentification& identification)
{
    for (const SupportedSamplerConstants& row : kSupportedSamplerTable) {
        if (row.kind == ConnectionKind::kNone)
            fTypes.push_back(std::make_unique<CPseudoSamplerClass>(row));
        else
            fTypes.push_back(std::make_unique<CHardwareSamplerClass>(row, identification));
    }
}

const CABCSupportedSampler* CSupportedSamplerRegistry::Find(std::uint32_t typeId) const
{
    for (const auto& type : fTypes)
        if (type->TypeId() == typeId)
            return type.get();
    return nullptr;
}
