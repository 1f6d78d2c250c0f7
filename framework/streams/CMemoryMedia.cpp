#include "framework/streams/CMemoryMedia.h"

#include <cstring>
#include <new>

#include "framework/exceptions/GeneralExceptions.h"

CMemoryMedia::CMemoryMedia(std::int64_t capacity)
    : capacity_(capacity)
{
    if (capacity < 0)
        throw XOutOfMemory();
    try {
        buffer_.reset(new std::uint8_t[static_cast<std::size_t>(capacity)]());
    } catch (const std::bad_alloc&) {
        throw XOutOfMemory();
    }
}

void CMemoryMedia::Read(std::int64_t count, void* buffer)
{
    if (count < 0 || count > capacity_ - position_)
        throw XRead();
    if (count > 0)
        std::memcpy(buffer, buffer_.get() + position_, static_cast<std::size_t>(count));
    position_ += count;
}

void CMemoryMedia::Write(std::int64_t count, const void* buffer)
{
    if (count < 0 || count > capacity_ - position_)
        throw XWrite();
    if (count > 0)
        std::memcpy(buffer_.get() + position_, buffer, static_cast<std::size_t>(count));
    position_ += count;
}

void CMemoryMedia::SetPosition(std::int64_t position)
{
    if (position < 0 || position > capacity_)
        throw XPosition();
    position_ = position;
}
