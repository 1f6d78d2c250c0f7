#pragma once
// Fetches one sample from the S-760: its parameters first, then its data by
// SDS. The format answered is the one the parameters describe, cut to the
// dump's length less the 4 frames the sampler keeps after the end.
#include <cstdint>

#include "samplers/sds/CSDSReceiver.h"

class CS760MIDIInterface;

class CS760MIDIReceiver : public CSDSReceiver {
public:
    static constexpr std::int64_t kReplyTimeout = 5000;

    CS760MIDIReceiver(CS760MIDIInterface& sampler, std::uint16_t number);

    // XSampleDoesNotExist for an empty sample slot.
    void Begin(SampleFormat& format, FrameWidth& width) override;

private:
    CS760MIDIInterface& fSampler;
    std::uint16_t fNumber;
};
