#pragma once
// The parser every sampler protocol reads from: incoming system-exclusive
// bytes are copied into a 64 KB ring on the delivery thread, and complete
// messages are taken out on the user-interface thread. One writer, one
// reader: the delivery thread only advances the count of bytes in, the
// user-interface thread only the count of bytes out. Data that would lap
// unread bytes is dropped and the next read raises XSysexBufferOverrun.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

#include "devices/midi/CMIDIInputParser.h"
#include "devices/midi/CRawSysex.h"

class CSysexMIDIInput : public CMIDIInputParser {
public:
    static constexpr std::size_t kRingSize = 65536;

    CSysexMIDIInput();

    void OnSysexNow(CMIDIInput& input, std::uint32_t time, const std::uint8_t* data, std::size_t length) override;

    // Everything received so far is dropped.
    void Flush();
    // Drops bytes up to the next F0; whether an F0 is now at the read position.
    bool SkipToStart();
    // Whether the message at the read position is complete, and its length
    // with the F7. A new F0 inside it drops what came before and the scan goes
    // on from there. Looks only at bytes already received.
    bool FindEnd(std::size_t& length);
    // Copies `count` received bytes out and moves past them.
    void Take(std::size_t count, std::uint8_t* destination);
    // The next complete message, or none; one that is not well formed is dropped.
    std::optional<CRawSysex> NextMessage();

    // Poll until the deadline (milliseconds of the program's clock), then
    // raise XSysexTimedOut.
    void WaitForStart(std::int64_t deadline);
    std::size_t WaitForMessage(std::int64_t deadline);
    // Until the pending message is complete or `count` bytes long; one that
    // completes shorter raises XSysexTooSmall.
    void WaitForBytes(std::size_t count, std::int64_t deadline);

    // Bytes received and not yet read.
    std::size_t Pending() const;

private:
    void CheckOverrun();
    std::uint8_t At(std::uint64_t position) const { return fRing[position % kRingSize]; }
    template <typename Done>
    void PollUntil(std::int64_t deadline, Done done);

    std::unique_ptr<std::uint8_t[]> fRing;
    std::atomic<std::uint64_t> fBytesIn{0};
    std::atomic<std::uint64_t> fBytesOut{0};
    std::atomic<bool> fOverrun{false};
    // Where FindEnd stopped looking, for the message starting at fScanStart.
    std::uint64_t fScanStart = ~std::uint64_t{0};
    std::uint64_t fScanEnd = 0;
};
