#pragma once
// Literal bytes in, memory streams out.
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "framework/exceptions/GeneralExceptions.h"
#include "framework/streams/CMemoryMedia.h"

// The bytes of a literal, embedded zeros included.
template <std::size_t N>
std::string Bytes(const char (&text)[N])
{
    return std::string(text, N - 1);
}

// A memory stream holding exactly the given bytes.
struct BytesMedia : CMemoryMedia {
    BytesMedia(const void* bytes, std::size_t size) : CMemoryMedia(static_cast<std::int64_t>(size))
    {
        if (size)
            std::memcpy(Data(), bytes, size);
    }
    explicit BytesMedia(const std::string& bytes) : BytesMedia(bytes.data(), bytes.size()) {}
    explicit BytesMedia(const std::vector<std::uint8_t>& bytes) : BytesMedia(bytes.data(), bytes.size()) {}
};

inline std::unique_ptr<BytesMedia> MediaOf(const std::vector<std::uint8_t>& bytes)
{
    return std::make_unique<BytesMedia>(bytes);
}

// A memory stream that grows as it is written, and fails like a full disk
// (XWrite with ENOSPC) once failAfter bytes would be written in all.
class GrowingMedia : public CMedia {
public:
    explicit GrowingMedia(std::int64_t failAfter = INT64_MAX) : failAfter_(failAfter) {}

    void Read(std::int64_t count, void* buffer) override
    {
        if (position_ < 0 || position_ + count > static_cast<std::int64_t>(bytes.size()))
            throw XRead();
        std::memcpy(buffer, bytes.data() + position_, static_cast<std::size_t>(count));
        position_ += count;
    }
    void Write(std::int64_t count, const void* buffer) override
    {
        written_ += count;
        if (written_ > failAfter_)
            throw WithSystemError(XWrite(), ENOSPC);
        if (position_ + count > static_cast<std::int64_t>(bytes.size()))
            bytes.resize(static_cast<std::size_t>(position_ + count));
        std::memcpy(bytes.data() + position_, buffer, static_cast<std::size_t>(count));
        position_ += count;
    }
    std::int64_t GetPosition() override { return position_; }
    void SetPosition(std::int64_t position) override { position_ = position; }
    std::int64_t GetSize() override { return static_cast<std::int64_t>(bytes.size()); }

    std::vector<std::uint8_t> bytes;

private:
    std::int64_t failAfter_;
    std::int64_t written_ = 0;
    std::int64_t position_ = 0;
};
