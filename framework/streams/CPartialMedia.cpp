#include "framework/streams/CPartialMedia.h"

#include "framework/exceptions/GeneralExceptions.h"

CPartialMedia::CPartialMedia(CMedia& parent, std::int64_t offset, std::int64_t length)
    : parent_(parent)
    , offset_(offset)
    , length_(length)
{
    if (offset < 0 || length < 0)
        throw XPosition();
}

CPartialMedia::CPartialMedia(CMedia& parent, std::int64_t offset)
    : parent_(parent)
    , offset_(offset)
{
    if (offset < 0)
        throw XPosition();
}

bool CPartialMedia::Contains(std::int64_t parentPosition, std::int64_t count) const
{
    if (count < 0 || parentPosition < offset_)
        return false;
    return !length_ || parentPosition - offset_ <= *length_ - count;
}

void CPartialMedia::Read(std::int64_t count, void* buffer)
{
    if (!length_ || !Contains(parent_.GetPosition(), count))
        throw XRead();
    parent_.Read(count, buffer);
}

void CPartialMedia::Write(std::int64_t count, const void* buffer)
{
    if (!Contains(parent_.GetPosition(), count))
        throw XWrite();
    parent_.Write(count, buffer);
}

std::int64_t CPartialMedia::GetPosition()
{
    return parent_.GetPosition() - offset_;
}

void CPartialMedia::SetPosition(std::int64_t position)
{
    if (position < 0 || (length_ && position > *length_))
        throw XPosition();
    parent_.SetPosition(offset_ + position);
}

std::int64_t CPartialMedia::GetSize()
{
    return length_ ? *length_ : parent_.GetSize() - offset_;
}

std::uint16_t CPartialMedia::ReadWordAt(std::int64_t position)
{
    if (position < 0 || !Contains(offset_ + position, 2))
        throw XBase();
    return CMedia::ReadWordAt(position);
}

void CPartialMedia::Skip(std::int64_t delta)
{
    if (!Contains(parent_.GetPosition() + delta, 0))
        throw XBase();
    parent_.Skip(delta);
}
