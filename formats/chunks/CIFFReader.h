#pragma once
// The flat chunk reader: finds plain chunks inside one outer group.
// Every search starts again at position 0, so chunks can be looked for in any
// order. Files from streaming writers are taken as they are: an outer group
// whose size is 0, 0xFFFFFFFF or larger than the stream ends at the end of
// the stream, and so may one chosen chunk (the sound data, which such
// writers leave unfinished). Any other chunk that runs past its group is a
// bad format; a chunk that is simply missing is a false result.
#include <cstdint>
#include <string>

#include "formats/chunks/ByteOrder.h"

class CMedia;

class CIFFReader {
public:
    // Reads media (not owned) whose outer group is formId ("FORM" or "RIFF").
    explicit CIFFReader(CMedia& media, const char* formId = "FORM");

    // Sizes are read least significant byte first from now on.
    void SetLittleEndian() { byteOrder_ = ChunkByteOrder::kLittleEndian; }
    // The chunk with this identifier may run to the end of the group: a size
    // of 0 or 0xFFFFFFFF, or one beyond the group, gives the bytes up to the
    // group's end. A walk that meets such a chunk cannot see past it.
    void SetOpenEndedChunk(const char* id) { openEndedId_ = id; }

    // True when a chunk with that identifier exists; the stream then stands on
    // its first data byte and size holds its size (for the open-ended chunk,
    // what the group holds of it). XBadFormat for a wrong outer group or a
    // chunk that runs past its group.
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
    // Where the outer group ends, after checking its header.
    std::int64_t GroupEnd();
    bool IsOpenEnded(const Header& header) const { return openEndedId_ == header.id; }

    // A chunk whose size is odd is followed by one pad byte.
    static constexpr bool kPadOddChunks = true;

    ChunkByteOrder byteOrder_ = ChunkByteOrder::kBigEndian;
    char formId_[5];
    std::string openEndedId_;
    CMedia& media_;
};
