#include "framework/streams/CMedia.h"

void CMedia::Peek(std::int64_t count, void* buffer)
{
    Read(count, buffer);
    Skip(-count);
}

void CMedia::WriteByte(std::uint8_t value)
{
    Write(1, &value);
}

std::uint8_t CMedia::ReadByte()
{
    std::uint8_t value = 0;
    Read(1, &value);
    return value;
}

std::uint8_t CMedia::PeekByte()
{
    const std::uint8_t value = ReadByte();
    Skip(-1);
    return value;
}

std::uint16_t CMedia::ReadWordAt(std::int64_t position)
{
    SetPosition(position);
    std::uint8_t bytes[2];
    Read(2, bytes);
    return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
}

void CMedia::Skip(std::int64_t delta)
{
    if (delta != 0)
        SetPosition(GetPosition() + delta);
}

void CMedia::ReadAt(std::int64_t position, std::int64_t count, void* buffer)
{
    SetPosition(position);
    Read(count, buffer);
}

void CMedia::WriteAt(std::int64_t position, std::int64_t count, const void* buffer)
{
    if (GetPosition() != position)
        SetPosition(position);
    Write(count, buffer);
}
