#pragma once
// What a loopback wire does to the bytes it carries: how it hands them over
// at the far end, and which faults it injects. Counts apply to that many of
// the next system-exclusive messages (or writes); each is used up once.
#include <cstdint>

enum class LoopbackDelivery {
    kWholeWrites,   // each write arrives in one piece, when its last byte has
    kRandomPieces,  // pieces of 1 to 64 bytes, each when its last byte has
    kByteByByte,    // every byte when it has
};

struct LoopbackFaults {
    LoopbackDelivery delivery = LoopbackDelivery::kWholeWrites;
    std::uint32_t seed = 1;  // of the random piece lengths
    int junkBeforeStart = 0;  // stray bytes (data and an F7) before the F0
    int realTimeInside = 0;   // a timing clock and an active-sensing byte inside
    int truncated = 0;        // only the first 6 bytes arrive, no F7
    int dropped = 0;          // nothing of the message arrives
    int failedWrites = 0;     // the write is refused: XMIDIWriteFailed
    bool neverDrains = false;  // writes are taken but never finish
};
