#pragma once
// Byte order helpers for chunk files. Every function works on a plain byte
// pointer and does not depend on alignment.
#include <cstdint>

// Copies the 4 characters of a chunk identifier (stops early at a zero and
// leaves the remaining bytes zero, so a short literal is never over-read).
void WriteId(void* dest, const char* id);
// Copies 4 characters into id and stores a terminating zero as the fifth.
void ReadId(const void* src, char id[5]);

std::uint16_t ReadBigEndian16(const void* src);
std::uint32_t ReadBigEndian32(const void* src);
void WriteBigEndian16(void* dest, std::uint16_t value);
void WriteBigEndian32(void* dest, std::uint32_t value);

std::uint16_t ReadLittleEndian16(const void* src);
std::uint32_t ReadLittleEndian32(const void* src);
void WriteLittleEndian16(void* dest, std::uint16_t value);
void WriteLittleEndian32(void* dest, std::uint32_t value);

// 80-bit IEEE extended number (10 bytes, big-endian) to and from a double.
double ReadExtended(const void* src);
void WriteExtended(void* dest, double value);

// The order of the size fields in a chunk file: big-endian in IFF files,
// little-endian in RIFF files.
enum class ChunkByteOrder { kBigEndian = 0, kLittleEndian = 1 };

std::uint32_t ReadChunkSize(const void* src, ChunkByteOrder order);
void WriteChunkSize(void* dest, std::uint32_t size, ChunkByteOrder order);
