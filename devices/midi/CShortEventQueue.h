#pragma once
// The queue of short messages between an input's delivery thread and the
// user-interface thread: 256 events, one writer and one reader, guarded by a
// flag taken with one atomic exchange. Neither side ever waits for it: a push
// that finds the flag taken, or the queue full, drops the event; a pop that
// finds it taken gives up until the next poll.
#include <array>
#include <atomic>
#include <cstdint>
#include <optional>

#include "devices/midi/MIDIEvent.h"

class CShortEventQueue {
public:
    static constexpr std::uint32_t kCapacity = 256;  // a power of two

    // Whether the event was queued.
    bool TryPush(const MIDIEvent& event);
    std::optional<MIDIEvent> TryPop();

private:
    class CTryLock {
    public:
        explicit CTryLock(std::atomic<bool>& flag) : fFlag(flag), fTaken(!flag.exchange(true)) {}
        ~CTryLock()
        {
            if (fTaken)
                fFlag.store(false);
        }
        explicit operator bool() const { return fTaken; }

    private:
        std::atomic<bool>& fFlag;
        bool fTaken;
    };

    std::array<MIDIEvent, kCapacity> fEvents{};
    std::uint32_t fWriteCount = 0;
    std::uint32_t fReadCount = 0;
    std::atomic<bool> fBusy{false};
};
