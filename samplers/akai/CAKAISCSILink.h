#pragma once
// The AKAI SCSI commands that carry system-exclusive messages to and from
// an S3000-family sampler (6-byte blocks; flag 80 in the last byte marks
// sample data):
//   09 00 a b 00 00   set the MIDI-over-SCSI mode
//   0C 00 L2 L1 L0 f  send L bytes of system exclusive
//   0D 00 00 00 00 f  3 bytes in: how many bytes wait to be read
//   0E 00 L2 L1 L0 f  read L waiting bytes
// Before each command the sampler must be ready (TEST UNIT READY every
// 100 ms, for at most 1000 ms, else XAKAISCSITimedOut). A command that
// fails raises XAKAISCSICommunicationException; a failed read is tried once
// more after 250 ms. Lengths the sampler states are checked against what
// it moved.
#include <cstdint>
#include <vector>

#include "devices/scsi/SCSIDevice.h"

class CAKAISCSILink {
public:
    static constexpr std::uint32_t kTimeout = 8000;
    static constexpr std::int64_t kReadyPoll = 100;
    static constexpr std::int64_t kReadyWait = 1000;
    static constexpr std::int64_t kReadRetryDelay = 250;
    // The most bytes one read takes.
    static constexpr std::uint32_t kLongestRead = 65536;

    static constexpr std::uint8_t kOpTestUnitReady = 0x00;
    static constexpr std::uint8_t kOpSetMode = 0x09;
    static constexpr std::uint8_t kOpSend = 0x0C;
    static constexpr std::uint8_t kOpWaiting = 0x0D;
    static constexpr std::uint8_t kOpRead = 0x0E;
    static constexpr std::uint8_t kSampleDataFlag = 0x80;

    explicit CAKAISCSILink(const SCSIDevice& device) : fDevice(device) {}

    // The first command puts the sampler into its MIDI-over-SCSI mode
    // (09 00 01 01 00 00: system exclusive over SCSI, replies kept for
    // reading).
    void Send(const std::uint8_t* bytes, std::uint32_t count);
    // What the sampler holds for the program, each byte but F0 and F7
    // masked to 7 bits; empty when nothing waits.
    std::vector<std::uint8_t> ReadWaiting();
    // Marks the commands that follow as part of a sample data transfer.
    void SetSampleData(bool sampleData) { fSampleData = sampleData; }

private:
    void EnterMIDIMode();
    void WaitUntilReady();
    std::uint8_t Flag() const { return fSampleData ? kSampleDataFlag : 0; }
    std::uint32_t WaitingCount();

    SCSIDevice fDevice;
    bool fSampleData = false;
    bool fInMIDIMode = false;
};
