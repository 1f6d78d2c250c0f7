#pragma once
// Sends one sample to an A3000 by SMDI, then completes its parameters over
// MIDI: the record made from the sample's format is kept, the two texts the
// sampler filled in when it stored the wave data are copied into it from
// the sampler's own record, and it is stored with "SP".
#include "samplers/smdi/CSMDITransmitter.h"
#include "samplers/yamaha/CA3000SampleParameters.h"

class CA3000Interface;

class CA3000SampleTransmitterSCSI : public CSMDITransmitter {
public:
    CA3000SampleTransmitterSCSI(CA3000Interface& a3000, CSMDI& smdi, std::uint32_t number,
                                const CA3000SampleParameters& parameters)
        : CSMDITransmitter(smdi, number), fA3000(a3000), fParameters(parameters)
    {
    }

    // XA3000SampleNameNotUnique when the object list has a sample of the
    // name; XA3000SCSIRejected when the sampler aborts the start or SCSI
    // fails.
    FrameWidth Begin(const SampleFormat& format) override;
    void SendChunk(const void* frames, std::uint32_t count) override;

private:
    CA3000Interface& fA3000;
    CA3000SampleParameters fParameters;
};
