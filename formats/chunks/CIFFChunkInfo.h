#pragma once
// Describes one chunk or group of a nesting chunk file: where its header
// starts and how many data bytes follow the header.
#include <cstdint>

class CIFFChunkInfo {
public:
    enum Kind : std::int32_t {
        kEmpty = -1,
        kChunk = 0,
        kForm = 1,
        kCat = 2,
        kList = 3,
        kRiff = 4,
    };

    // 8 for a plain chunk, 12 for a group (its type follows the size);
    // XBase for an empty record.
    std::int64_t HeaderLength() const;
    std::int64_t TotalLength() const { return HeaderLength() + size; }
    std::int64_t DataStart() const { return start + HeaderLength(); }

    std::int32_t kind = kEmpty;
    // The group identifier, filled only for a RIFF group that a writer began.
    char id[5] = {};
    // A group's type, or a plain chunk's identifier.
    char name[5] = {};
    // Position of the header's first byte in the stream that holds it.
    std::int64_t start = 0;
    // Data bytes: a chunk's size field; a group's size field less its 4 type bytes.
    std::uint32_t size = 0;
};
