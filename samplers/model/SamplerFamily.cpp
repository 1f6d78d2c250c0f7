#include "samplers/model/SamplerFamily.h"

#include <string_view>

#include "samplers/model/CPseudoSamplerClass.h"
#include "samplers/model/SupportedSamplerConstants.h"

const char* SamplerFamilyKey(std::uint32_t typeId)
{
    switch (typeId / 1000) {
    case 1: return "kurzweil";
    case 2: return "roland";
    case 3: return "ensoniq";
    case 4: return "akai";
    case 5: return "emu";
    case 6: return "yamaha";
    case 7: return "sds";
    default: return "pseudo";
    }
}

bool HasTransferProtocol(std::uint32_t typeId)
{
    const std::string_view family = SamplerFamilyKey(typeId);
    return family != "pseudo";
}

const char* SamplerTransportKey(const SupportedSamplerConstants& type)
{
    switch (type.kind) {
    case ConnectionKind::kSCSI: return "scsi";
    case ConnectionKind::kMIDI: return "midi";
    case ConnectionKind::kMIDIAndSCSI: return "midi+scsi";
    default: return type.typeId == CPseudoSamplerClass::kNewWindow ? "window" : "file";
    }
}
