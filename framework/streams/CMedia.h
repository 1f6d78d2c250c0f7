#pragma once
// The abstract byte stream every file and in-memory image passes through.
// Positions and sizes are 64-bit so that no sum of chunk sizes can wrap.
#include <cstdint>

class CMedia {
public:
    virtual ~CMedia() = default;

    // Copies count bytes from the current position and advances.
    virtual void Read(std::int64_t count, void* buffer) = 0;
    // Read, then step back by count.
    virtual void Peek(std::int64_t count, void* buffer);
    // Writes count bytes at the current position and advances.
    virtual void Write(std::int64_t count, const void* buffer) = 0;
    virtual std::int64_t GetPosition() = 0;
    virtual void SetPosition(std::int64_t position) = 0;
    virtual std::int64_t GetSize() = 0;

    virtual void WriteByte(std::uint8_t value);
    virtual std::uint8_t ReadByte();
    virtual std::uint8_t PeekByte();
    // Reads two bytes at position in the machine's (little-endian) order.
    virtual std::uint16_t ReadWordAt(std::int64_t position);
    // Moves by delta; does nothing for 0.
    virtual void Skip(std::int64_t delta);
    virtual void ReadAt(std::int64_t position, std::int64_t count, void* buffer);
    // Seeks only when the stream does not already stand on position.
    virtual void WriteAt(std::int64_t position, std::int64_t count, const void* buffer);
};
