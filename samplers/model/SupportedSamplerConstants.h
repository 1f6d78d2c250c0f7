#pragma once
// The constants of one supported sampler type, one row of the supported
// sampler table.
#include <cstdint>

#include "resources/CaravelResources.h"
#include "samplers/model/CVersion.h"
#include "samplers/model/ConnectionKind.h"

struct SupportedSamplerConstants {
    ResourceId name = 0;   // an entry of SSTR 133
    ResourceId notes = 0;  // SSTR 129 #2 "n/a": no notes
    CVersion requiredOS;
    std::uint32_t typeId = 0;  // the persistent identity of the model
    ConnectionKind kind = ConnectionKind::kUndefined;
    bool canReceive = false;
    bool canTransmit = true;
    std::uint32_t picture = 0;  // the front-panel picture
    bool sysexIdsFromOne = false;  // the SysEx ID popup labels its entries from 1
    std::uint16_t sysexIdCount = 16;
    bool osDetectable = false;  // verification reports the OS version
    std::uint32_t helpId = 102090;
};
