#pragma once
// Sends one sample to the S-760: its data by SDS into the lowest free
// sample number, then, once the sampler acknowledged the last packet, the
// parameter block built from the sample's format on the wave memory the
// sampler gave it. The name must be new (each half of a stereo pair shares
// the check made for the left one).
#include <cstdint>

#include "samplers/roland/S760SampleParameters.h"
#include "samplers/sds/CSDSTransmitter.h"

class CS760MIDIInterface;

class CS760MIDITransmitter : public CSDSTransmitter {
public:
    static constexpr std::int64_t kReplyTimeout = 5000;

    CS760MIDITransmitter(CS760MIDIInterface& sampler, std::uint16_t number, S760::Half half);

    // XS760SampleNameAlreadyExists for a name the sampler holds.
    FrameWidth Begin(const SampleFormat& format) override;
    // After the last acknowledgement: XS760SampleLostInSpace when the
    // sampler holds no sample at the number.
    void SendChunk(const void* frames, std::uint32_t count) override;
    void Cancel() override;

    std::uint16_t Number() const { return fNumber; }

private:
    void WriteParameters();

    CS760MIDIInterface& fSampler;
    std::uint16_t fNumber;
    S760::Half fHalf;
    SampleFormat fFormat;
};
