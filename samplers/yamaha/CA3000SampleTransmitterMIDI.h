#pragma once
// Sends one sample to an A3000 as a "WD" bulk dump over MIDI: the first
// block holds the head and the sample's parameter record, each further block
// 1024 frames (every 16-bit frame four nibble bytes), the F7 follows the
// last. Once the dump is complete the sample counts as stored.
#include <cstdint>

#include "samplers/transfer/CABCSampleTransmitter.h"
#include "samplers/yamaha/CA3000SampleParameters.h"

class CA3000Interface;

class CA3000SampleTransmitterMIDI : public CABCSampleTransmitter {
public:
    static constexpr std::uint32_t kChunkFrames = 4096;
    static constexpr std::uint32_t kBlockFrames = 1024;

    // `parameters`: the record the sample starts from (a template's or the
    // defaults).
    CA3000SampleTransmitterMIDI(CA3000Interface& a3000, const CA3000SampleParameters& parameters)
        : fA3000(a3000), fParameters(parameters)
    {
    }

    FrameWidth Begin(const SampleFormat& format) override;
    void SendChunk(const void* frames, std::uint32_t count) override;
    // Ends the dump where it stands; the sampler drops a dump whose blocks
    // fall short of its record.
    void Cancel() override;

    const CA3000SampleParameters& Parameters() const { return fParameters; }

private:
    void Finish();

    CA3000Interface& fA3000;
    CA3000SampleParameters fParameters;
};
