#include "devices/midi/CSysexMIDIInput.h"

#include <algorithm>
#include <cstring>

#include "devices/midi/CMIDIInput.h"
#include "framework/exceptions/SamplerExceptions.h"
#include "framework/time/CClock.h"

CSysexMIDIInput::CSysexMIDIInput() : fRing(std::make_unique<std::uint8_t[]>(kRingSize))
{
    fImmediateShort = true;
    fImmediateSysex = true;
}

void CSysexMIDIInput::OnSysexNow(CMIDIInput&, std::uint32_t, const std::uint8_t* data, std::size_t length)
{
    const std::uint64_t in = fBytesIn.load(std::memory_order_relaxed);
    if (in + length - fBytesOut.load(std::memory_order_acquire) > kRingSize) {
        fOverrun.store(true, std::memory_order_release);
        return;
    }
    const std::size_t at = in % kRingSize;
    const std::size_t first = std::min(length, kRingSize - at);
    std::memcpy(&fRing[at], data, first);
    std::memcpy(&fRing[0], data + first, length - first);
    fBytesIn.store(in + length, std::memory_order_release);
}

void CSysexMIDIInput::CheckOverrun()
{
    if (!fOverrun.load(std::memory_order_acquire))
        return;
    fOverrun.store(false);
    Flush();
    throw XSysexBufferOverrun();
}

void CSysexMIDIInput::Flush()
{
    fBytesOut.store(fBytesIn.load(std::memory_order_acquire), std::memory_order_release);
}

std::size_t CSysexMIDIInput::Pending() const
{
    return fBytesIn.load(std::memory_order_acquire) - fBytesOut.load(std::memory_order_relaxed);
}

bool CSysexMIDIInput::SkipToStart()
{
    CheckOverrun();
    const std::uint64_t in = fBytesIn.load(std::memory_order_acquire);
    std::uint64_t out = fBytesOut.load(std::memory_order_relaxed);
    while (out < in && At(out) != 0xF0)
        ++out;
    fBytesOut.store(out, std::memory_order_release);
    return out < in;
}

bool CSysexMIDIInput::FindEnd(std::size_t& length)
{
    CheckOverrun();
    const std::uint64_t in = fBytesIn.load(std::memory_order_acquire);
    std::uint64_t start = fBytesOut.load(std::memory_order_relaxed);
    // A long message arrives over many polls: go on where the last scan ended.
    std::uint64_t position = fScanStart == start ? std::max(fScanEnd, start + 1) : start + 1;
    for (; position < in; ++position) {
        const std::uint8_t b = At(position);
        if (b == 0xF7) {
            length = position - start + 1;
            return true;
        }
        if (b == 0xF0 && At(start) == 0xF0) {
            // The message before was cut short: start again at the new one.
            start = position;
            fBytesOut.store(start, std::memory_order_release);
        }
    }
    fScanStart = start;
    fScanEnd = in;
    length = in - start;
    return false;
}

void CSysexMIDIInput::Take(std::size_t count, std::uint8_t* destination)
{
    const std::uint64_t out = fBytesOut.load(std::memory_order_relaxed);
    count = std::min(count, Pending());
    const std::size_t at = out % kRingSize;
    const std::size_t first = std::min(count, kRingSize - at);
    std::memcpy(destination, &fRing[at], first);
    std::memcpy(destination + first, &fRing[0], count - first);
    fBytesOut.store(out + count, std::memory_order_release);
}

std::optional<CRawSysex> CSysexMIDIInput::NextMessage()
{
    std::size_t length = 0;
    if (!SkipToStart() || !FindEnd(length))
        return std::nullopt;
    CRawSysex message(length);
    Take(length, message.Data());
    if (!message.IsWellFormed())
        return std::nullopt;
    return message;
}

template <typename Done>
void CSysexMIDIInput::PollUntil(std::int64_t deadline, Done done)
{
    CClock& clock = CClock::Current();
    while (!done()) {
        if (clock.Milliseconds() >= deadline)
            throw XSysexTimedOut();
        PollMIDIInputs();
    }
}

void CSysexMIDIInput::WaitForStart(std::int64_t deadline)
{
    PollUntil(deadline, [this] { return SkipToStart(); });
}

std::size_t CSysexMIDIInput::WaitForMessage(std::int64_t deadline)
{
    std::size_t length = 0;
    PollUntil(deadline, [&] { return SkipToStart() && FindEnd(length); });
    return length;
}

void CSysexMIDIInput::WaitForBytes(std::size_t count, std::int64_t deadline)
{
    std::size_t length = 0;
    bool complete = false;
    PollUntil(deadline, [&] {
        if (!SkipToStart())
            return false;
        complete = FindEnd(length);
        return complete || length >= count;
    });
    if (complete && length < count)
        throw XSysexTooSmall();
}
