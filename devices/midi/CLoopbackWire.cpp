#include "devices/midi/CLoopbackWire.h"

#include <algorithm>

#include "framework/exceptions/DeviceExceptions.h"
#include "framework/time/CClock.h"

namespace {

constexpr std::uint8_t kJunk[] = {0x12, 0x34, 0xF7, 0x56};
constexpr std::uint8_t kRealTime[] = {0xF8, 0xFE};

}  // namespace

CLoopbackWire::CLoopbackWire(Receiver receiver) : fReceiver(std::move(receiver)), fClock(CClock::Current()) {}

CLoopbackWire::~CLoopbackWire()
{
    std::optional<ClockEventId> event;
    {
        std::lock_guard lock(fMutex);
        fClosing = true;
        event = fEvent;
    }
    if (event)
        fClock.Cancel(*event);
    std::lock_guard running(fDeliveryMutex);
}

void CLoopbackWire::SetFaults(const LoopbackFaults& faults)
{
    std::lock_guard lock(fMutex);
    fFaults = faults;
    fRandom.seed(faults.seed);
}

LoopbackFaults CLoopbackWire::Faults() const
{
    std::lock_guard lock(fMutex);
    return fFaults;
}

void CLoopbackWire::Transmit(const std::uint8_t* bytes, std::size_t count)
{
    std::lock_guard lock(fMutex);
    if (fFaults.failedWrites > 0) {
        --fFaults.failedWrites;
        throw XMIDIWriteFailed();
    }
    Queue(Carry(bytes, count));
    ScheduleDelivery();
}

bool CLoopbackWire::IsDrained() const
{
    std::lock_guard lock(fMutex);
    return !fFaults.neverDrains && fClock.Milliseconds() * 1000 >= fBusyUntil;
}

std::vector<CLoopbackWire::Arrival> CLoopbackWire::Carry(const std::uint8_t* bytes, std::size_t count)
{
    fBusyUntil = std::max(fBusyUntil, fClock.Milliseconds() * 1000);
    std::vector<Arrival> carried;
    carried.reserve(count + 8);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t b = bytes[i];
        if (b == 0xF0)
            StartMessage(carried);
        const bool cut = fInMessage && (fDropping || (fTruncating && fMessageBytes >= kTruncatedLength));
        Send(b, !cut, carried);
        if (!fInMessage || b >= 0xF8)
            continue;
        ++fMessageBytes;
        if (fInsertingRealTime && fMessageBytes == 3)
            for (const std::uint8_t r : kRealTime)
                Send(r, true, carried);
        if (b == 0xF7 || (b >= 0x80 && b != 0xF0))
            fInMessage = false;
    }
    return carried;
}

void CLoopbackWire::StartMessage(std::vector<Arrival>& carried)
{
    auto take = [](int& count) { return count > 0 && count-- > 0; };
    if (take(fFaults.junkBeforeStart))
        for (const std::uint8_t j : kJunk)
            Send(j, true, carried);
    fDropping = take(fFaults.dropped);
    fTruncating = !fDropping && take(fFaults.truncated);
    fInsertingRealTime = take(fFaults.realTimeInside);
    fInMessage = true;
    fMessageBytes = 0;
}

void CLoopbackWire::Send(std::uint8_t byte, bool arrives, std::vector<Arrival>& carried)
{
    fBusyUntil += kMicrosecondsPerByte;
    if (arrives)
        carried.push_back({byte, fBusyUntil});
}

void CLoopbackWire::Queue(const std::vector<Arrival>& carried)
{
    std::size_t start = 0;
    while (start < carried.size()) {
        std::size_t length = carried.size() - start;
        if (fFaults.delivery == LoopbackDelivery::kByteByByte)
            length = 1;
        else if (fFaults.delivery == LoopbackDelivery::kRandomPieces)
            length = std::min(length, std::uniform_int_distribution<std::size_t>(1, kLargestRandomPiece)(fRandom));
        Piece piece{carried[start + length - 1].at, {}};
        for (std::size_t i = start; i < start + length; ++i)
            piece.bytes.push_back(carried[i].byte);
        fPieces.push_back(std::move(piece));
        start += length;
    }
}

void CLoopbackWire::ScheduleDelivery()
{
    if (fEvent || fPieces.empty() || fClosing)
        return;
    const std::int64_t at = (fPieces.front().arrival + 999) / 1000;
    fEvent = fClock.Schedule(at, [this] { Deliver(); });
}

void CLoopbackWire::Deliver()
{
    std::lock_guard running(fDeliveryMutex);
    std::vector<Piece> due;
    {
        std::lock_guard lock(fMutex);
        fEvent.reset();
        if (fClosing)
            return;
        const std::int64_t now = fClock.Milliseconds() * 1000;
        while (!fPieces.empty() && fPieces.front().arrival <= now) {
            due.push_back(std::move(fPieces.front()));
            fPieces.pop_front();
        }
        ScheduleDelivery();
    }
    for (const Piece& piece : due)
        fReceiver(piece.bytes.data(), piece.bytes.size());
}
