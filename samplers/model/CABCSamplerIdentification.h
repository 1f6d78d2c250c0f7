#pragma once
// Asks the MIDI ports and SCSI buses whether a sampler answers at an
// installed sampler's address, by the identification requests of its
// family. Device failures raise their exceptions (XSysexTimedOut, XSCSI, ...).
#include <optional>

#include "samplers/model/CVersion.h"

class CInstalledSampler;

class CABCSamplerIdentification {
public:
    virtual ~CABCSamplerIdentification() = default;

    // The version a sampler of sampler's type reports at its address
    // (unknown when the family cannot tell), or nothing when none answers.
    virtual std::optional<CVersion> Identify(const CInstalledSampler& sampler) = 0;
};
