#pragma once
// The resource files compiled into the executable: each is a (type, number)
// pair, named on disk TYPE_NUMBER.ext, with its bytes.
#include <cstddef>
#include <cstdint>

struct EmbeddedResource {
    const char* type;
    std::uint16_t number;
    const unsigned char* data;
    std::size_t size;
};

extern const EmbeddedResource kEmbeddedResources[];
extern const std::size_t kEmbeddedResourceCount;
