#pragma once
// One direction of a loopback MIDI cable. It carries bytes at MIDI's 3125
// bytes per second: each byte takes 320 microseconds after the one before,
// and arrives (through the program's clock, so in virtual time too) when its
// last bit would have. Faults are injected on the way.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <random>
#include <vector>

#include "devices/midi/LoopbackFaults.h"
#include "framework/time/CEventQueue.h"

class CClock;

class CLoopbackWire {
public:
    static constexpr std::int64_t kBytesPerSecond = 3125;
    static constexpr std::int64_t kMicrosecondsPerByte = 1000000 / kBytesPerSecond;
    static constexpr std::size_t kTruncatedLength = 6;
    static constexpr std::size_t kLargestRandomPiece = 64;

    using Receiver = std::function<void(const std::uint8_t* bytes, std::size_t count)>;

    // `receiver` gets the bytes at the far end, on the clock's event thread.
    explicit CLoopbackWire(Receiver receiver);
    ~CLoopbackWire();
    CLoopbackWire(const CLoopbackWire&) = delete;
    CLoopbackWire& operator=(const CLoopbackWire&) = delete;

    void SetFaults(const LoopbackFaults& faults);
    LoopbackFaults Faults() const;

    // Puts the bytes on the wire behind those still travelling; raises
    // XMIDIWriteFailed when a failed write is due.
    void Transmit(const std::uint8_t* bytes, std::size_t count);
    // Whether the last byte put on the wire has left it.
    bool IsDrained() const;

private:
    struct Piece {
        std::int64_t arrival;  // microseconds of the clock
        std::vector<std::uint8_t> bytes;
    };

    struct Arrival {
        std::uint8_t byte;
        std::int64_t at;  // microseconds
    };

    // Times the bytes on the wire and applies the message faults; answers
    // those that arrive.
    std::vector<Arrival> Carry(const std::uint8_t* bytes, std::size_t count);
    void StartMessage(std::vector<Arrival>& carried);
    void Send(std::uint8_t byte, bool arrives, std::vector<Arrival>& carried);
    void Queue(const std::vector<Arrival>& carried);
    void ScheduleDelivery();
    void Deliver();

    Receiver fReceiver;
    CClock& fClock;
    mutable std::mutex fMutex;
    std::mutex fDeliveryMutex;
    LoopbackFaults fFaults;
    std::mt19937 fRandom{1};
    std::int64_t fBusyUntil = 0;  // microseconds
    std::deque<Piece> fPieces;
    std::optional<ClockEventId> fEvent;
    bool fClosing = false;
    // The message under way.
    bool fInMessage = false;
    bool fDropping = false;
    bool fTruncating = false;
    bool fInsertingRealTime = false;
    std::size_t fMessageBytes = 0;
};
