#pragma once
// The outcome of one SCSI command. Ordinary SCSI conditions are kinds of
// result, never exceptions; a target status the program does not name is
// passed through as the kind.
#include <array>
#include <cstddef>
#include <cstdint>

struct SCSIResult {
    static constexpr std::int32_t kGood = 0;
    static constexpr std::int32_t kCheckCondition = 2;  // sense data present
    static constexpr std::int32_t kBusy = 8;
    static constexpr std::int32_t kReservationConflict = 24;
    static constexpr std::int32_t kQueueFull = 40;
    static constexpr std::int32_t kNoDevice = 256;  // selection time-out, or not found at start-up
    static constexpr std::int32_t kTimedOut = 257;
    static constexpr std::int32_t kInterfaceBusy = 258;
    static constexpr std::int32_t kAborted = 259;
    static constexpr std::int32_t kShort = 261;  // good, but fewer bytes moved than asked
    static constexpr std::size_t kSenseLength = 14;

    std::int32_t kind = kGood;
    std::array<std::uint8_t, 16> sense{};
    std::uint32_t senseLength = 0;
    std::uint32_t residual = 0;  // for kShort: bytes asked but not moved

    static SCSIResult Of(std::int32_t kind) { return SCSIResult{kind, {}, 0, 0}; }
    // Kind 2 with the first 14 of `count` sense bytes (zero-filled when fewer).
    static SCSIResult CheckCondition(const std::uint8_t* bytes, std::size_t count);
    // Kind 2 with fixed-format sense data: the sense key, the additional
    // sense code and its qualifier.
    static SCSIResult FixedSense(std::uint8_t senseKey, std::uint8_t code, std::uint8_t qualifier = 0);
    // Kind 0, or kind 261 when `residual` bytes were not moved.
    static SCSIResult Moved(std::uint32_t residual) { return SCSIResult{residual ? kShort : kGood, {}, 0, residual}; }
    // The sense key of a check condition (fixed-format sense data).
    std::uint8_t SenseKey() const { return sense[2] & 0x0F; }
};
