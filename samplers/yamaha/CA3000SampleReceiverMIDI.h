#pragma once
// Fetches one sample from an A3000 over MIDI: the "WD" request, then the
// answer read as a stream while it arrives: the head (for "WD", this device
// and the name asked for), the parameter record with its checksum, and the
// frames in blocks of exactly 1024 (the last: what is left), each with its
// count and checksum, then the F7. A count that does not match the frames
// the record announces, a bad checksum or a pause of 2 seconds fails the
// transfer as a MIDI communication failure.
#include <cstdint>
#include <string>

#include "samplers/transfer/CABCSampleReceiver.h"
#include "samplers/yamaha/A3000Dump.h"

class CA3000Interface;

class CA3000SampleReceiverMIDI : public CABCSampleReceiver {
public:
    static constexpr std::uint32_t kBlockFrames = 1024;

    CA3000SampleReceiverMIDI(CA3000Interface& a3000, std::string name) : fA3000(a3000), fName(std::move(name)) {}

    void Begin(SampleFormat& format, FrameWidth& width) override;
    void ReceiveChunk(void* destination, std::uint32_t count) override;
    // Drops what the sampler still sends.
    void Cancel() override;

private:
    // The next `count` bytes of the answer; XSysexTimedOut when they do not
    // come within the wave time-out.
    A3000::Bytes Await(std::size_t count);
    // The next block of `bytes` counted bytes, its checksum checked.
    A3000::Bytes AwaitBlock(std::size_t bytes);

    CA3000Interface& fA3000;
    std::string fName;
};
