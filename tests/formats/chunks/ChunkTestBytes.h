#pragma once
// Helpers for chunk tests: literal bytes in, memory streams out.
#include "tests/support/MemoryBytes.h"

// The first length bytes of a memory stream.
inline std::string Contents(CMemoryMedia& media, std::int64_t length)
{
    return std::string(reinterpret_cast<const char*>(media.Data()), static_cast<std::size_t>(length));
}
