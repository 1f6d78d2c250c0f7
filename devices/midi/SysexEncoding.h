#pragma once
// Payload encodings of system-exclusive messages: 7-bit groups in either
// byte order, nibbles, checksums, masking, and rounded scaling.
#include <cstddef>
#include <cstdint>
#include <vector>

// `count` bytes, the last one holding the lowest 7 bits.
void Pack7BitBigEndian(std::uint32_t value, std::size_t count, std::uint8_t* destination);
std::uint32_t Unpack7BitBigEndian(std::size_t count, const std::uint8_t* source);

// `count` bytes, the first one holding the lowest 7 bits; appended to a
// message being built.
void Append7BitLittleEndian(std::vector<std::uint8_t>& bytes, std::uint32_t value, std::size_t count);
std::uint32_t Unpack7BitLittleEndian(std::size_t count, const std::uint8_t* source);

// Each byte becomes two, high nibble first; and back.
void PackNibbles(std::size_t count, const std::uint8_t* bytes, std::uint8_t* destination);
void UnpackNibbles(std::size_t count, std::uint8_t* destination, const std::uint8_t* source);

// (sum of the bytes, kept to 8 bits) AND 7F, and the same of the negated sum.
std::uint8_t SumChecksum(std::size_t count, const std::uint8_t* bytes);
std::uint8_t NegatedSumChecksum(std::size_t count, const std::uint8_t* bytes);

void Mask7Bit(std::size_t count, const std::uint8_t* source, std::uint8_t* destination);

// a * b / c rounded half away from zero (c > 0).
std::int64_t RoundedMulDiv(std::int64_t a, std::int64_t b, std::int64_t c);
