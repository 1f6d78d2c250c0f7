#pragma once
// Sample words in SMDI data packets: (bits + 7) / 8 bytes each, most
// significant byte first, two's complement. The program's frames are 16 or
// 32 bits; a word holds a frame's top bytes, and a frame gets a word's bytes
// from its top down, the bytes it has no room for left out and those the
// word lacks set to zero.
#include <cstddef>
#include <cstdint>

namespace SMDIWords {

inline std::size_t BytesPerWord(std::uint8_t bits) { return (bits + 7u) / 8u; }

void Encode(const std::int16_t* samples, std::size_t count, std::size_t bytesPerWord, std::uint8_t* out);
void Encode(const std::int32_t* samples, std::size_t count, std::size_t bytesPerWord, std::uint8_t* out);
void Decode(const std::uint8_t* bytes, std::size_t count, std::size_t bytesPerWord, std::int16_t* out);
void Decode(const std::uint8_t* bytes, std::size_t count, std::size_t bytesPerWord, std::int32_t* out);

}  // namespace SMDIWords
