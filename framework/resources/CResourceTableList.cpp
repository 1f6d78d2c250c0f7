#include "framework/resources/CResourceTableList.h"

#include <new>
#include <string_view>

#include "framework/exceptions/Exceptions.h"
#include "resources/EmbeddedResources.h"

CResourceTableList& CResourceTableList::Instance()
{
    static CResourceTableList list;
    return list;
}

std::size_t CResourceTableList::Count() const
{
    const std::lock_guard lock(fMutex);
    return fTables.size();
}

const CResourceTextTable& CResourceTableList::Table(std::string_view type, std::uint16_t number)
{
    const std::lock_guard lock(fMutex);
    for (const auto& table : fTables) {
        if (table->Is(type, number))
            return *table;
    }
    for (std::size_t i = 0; i < kEmbeddedResourceCount; ++i) {
        const EmbeddedResource& resource = kEmbeddedResources[i];
        if (resource.number != number || !CResourceTextTable::SameType(resource.type, type))
            continue;
        try {
            fTables.push_back(std::make_unique<CResourceTextTable>(
                resource.type, resource.number,
                std::string_view(reinterpret_cast<const char*>(resource.data), resource.size)));
        } catch (const std::bad_alloc&) {
            throw XOutOfMemory();
        }
        return *fTables.back();
    }
    throw XNotFound();
}
