#pragma once
// Literal bytes in, memory streams out.
#include <cstring>
#include <memory>
#include <string>
#include <vector>

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
