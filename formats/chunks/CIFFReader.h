#pragma once
// The flat chunk reader: finds plain chunks inside one outer group.
// Every search starts again at position 0, so chunks can be looked for in any
// order. A chunk that runs past its group, or a group that runs past the
// stream, is a bad format; a chunk that is simply missing is a false result.
#include <cstdint>

#include "formats/chunks/ByteOrder.h"

class CMedia;

class CIFFReader {
public:
    // Reads media (not owned) whose outer group is formId ("FORM" or "RIFF").
    explicit CIFFReader(CMedia& media, const char* formId = "FORM");

    // Sizes are read least significant byte first from now on.
    void SetLittleEndian() { byteOrder_ = ChunkByteOrder::kLittleEndian; }

    // True when a chunk with that identifier exists; the stream then stands on
    // its first data byte and size holds its size. XBadFormat for a wrong outer
    // group or a chunk that runs past its group.
    bool FindChunk(const char* id, std::uint32_t& size);
    // FindChunk, then skips skip data bytes and reads count bytes. XBadFormat
    // when skip + count exceeds the chunk's size.
    bool ReadChunk(const char* id, void* buffer, std::int64_t skip, std::int64_t count, std::uint32_t& size);
    bool ReadChunk(const char* id, void* buffer, std::int64_t count);

private:
    struct Header {
        char id[5];
        std::uint32_t size;
    };
    Header ReadHeader(std::int64_t position);
    // XBadFormat when the chunk at position runs past the group's end.
    static void CheckInside(std::int64_t position, const Header& header, std::int64_t end);

    // A chunk whose size is odd is followed by one pad byte.
    static constexpr bool kPadOddChunks = true;

    ChunkByteOrder byteOrder_ = ChunkByteOrder::kBigEndian;
    char formId_[5];
    CMedia& media_;
};
