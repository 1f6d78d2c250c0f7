#pragma once
// Helpers for chunk tests: literal bytes in, memory streams out.
#include <cstring>
#include <string>

#include "framework/streams/CMemoryMedia.h"

// The bytes of a literal, embedded zeros included.
template <std::size_t N>
std::string Bytes(const char (&text)[N])
{
    return std::string(text, N - 1);
}

// The first length bytes of a memory stream.
inline std::string Contents(CMemoryMedia& media, std::int64_t length)
{
    return std::string(reinterpret_cast<const char*>(media.Data()), static_cast<std::size_t>(length));
}

// A memory stream holding exactly the given bytes.
struct BytesMedia : CMemoryMedia {
    explicit BytesMedia(const std::string& bytes)
        : CMemoryMedia(static_cast<std::int64_t>(bytes.size()))
    {
        std::memcpy(Data(), bytes.data(), bytes.size());
    }
};
