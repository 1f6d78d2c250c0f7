#pragma once
// Sample words in SMDI data packets: (bits + 7) / 8 bytes each, most
// significant byte first, two's complement. The program's frames are 8, 16
// or 32 bits wide (FrameWidth); a word holds a frame's top bytes, and a
// frame gets a word's bytes from its top down, the bytes it has no room for
// left out and those the word lacks set to zero.
#include <cstddef>
#include <cstdint>

#include "samplers/transfer/SampleFormat.h"

namespace SMDIWords {

inline std::size_t BytesPerWord(std::uint8_t bits) { return (bits + 7u) / 8u; }
// The width of the frames a sample of `bits` travels in: 8, 16 or 32 bits.
FrameWidth WidthFor(std::uint8_t bits);

// `count` samples of `width` at `samples` into words at `out`.
void Encode(const void* samples, FrameWidth width, std::size_t count, std::size_t bytesPerWord, std::uint8_t* out);
// `count` words at `bytes` into samples of `width` at `out`.
void Decode(const std::uint8_t* bytes, std::size_t count, std::size_t bytesPerWord, FrameWidth width, void* out);

}  // namespace SMDIWords
