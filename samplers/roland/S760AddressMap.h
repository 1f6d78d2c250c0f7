#pragma once
// Where the S-760 keeps what the program reads and writes, as linear
// addresses before the 7-bit packing, and how many wire bytes each item
// takes: every byte of a block travels as two nibbles, high nibble first.
#include <cstdint>

namespace S760 {

inline constexpr std::uint32_t kPatchCount = 128;
inline constexpr std::uint32_t kPartialCount = 256;
inline constexpr std::uint32_t kSampleCount = 512;

inline constexpr std::uint32_t kIdentityAddress = 0;
inline constexpr std::uint32_t kRemoteSwitch = 0x200008;
inline constexpr std::uint32_t kFileListRegister = 0x200018;
inline constexpr std::uint32_t kDeleteRegister = 0x200020;

inline constexpr std::uint32_t kPatchWireSize = 512;
inline constexpr std::uint32_t kPartialHalfWireSize = 256;
inline constexpr std::uint32_t kSampleWireSize = 96;

constexpr std::uint32_t PatchAddress(std::uint32_t patch) { return (patch + 128) * 512; }
constexpr std::uint32_t PartialAddress(std::uint32_t partial) { return (partial + 512) * 256; }
constexpr std::uint32_t PartialSecondHalfAddress(std::uint32_t partial) { return (partial + 8320) * 256; }
constexpr std::uint32_t SampleAddress(std::uint32_t sample) { return (sample + 2048) * 96; }

}  // namespace S760
