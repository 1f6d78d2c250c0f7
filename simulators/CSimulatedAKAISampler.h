#pragma once
// A simulated AKAI sampler of the S1000/S3000 family as far as its
// identification goes: on its SysEx channel it answers the status request
// with its model and OS version and, for the S3000 family, tells its exact
// model; on the SCSI bus its INQUIRY names vendor "AKAI" and the model.
#include <string>

#include "samplers/model/CVersion.h"
#include "simulators/CSimulatedInstrument.h"

class CSimulatedAKAISampler : public CSimulatedInstrument {
public:
    // typeId: the MIDI type of the model (4000, 4010, 4100, 4110, ...);
    // product: its name over SCSI (e.g. "S3000XL").
    CSimulatedAKAISampler(std::uint32_t typeId, const std::string& product, std::uint8_t channel, CVersion version);
    ~CSimulatedAKAISampler() override;

protected:
    void OnSysex(const std::vector<std::uint8_t>& message) override;

private:
    std::uint32_t fTypeId;
    std::uint8_t fChannel;
    CVersion fVersion;
};
