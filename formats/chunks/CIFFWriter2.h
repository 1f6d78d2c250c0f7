#pragma once
// The nesting chunk writer. It writes one level of a chunk file; to nest, a
// caller begins a group, opens an inner writer on the group's record, writes
// the contents through it, destroys it, and ends the group with EndChunk on
// the outer writer. Sizes are patched by EndChunk, which also adds a zero pad
// byte after data of odd length.
#include <cstdint>
#include <memory>

#include "formats/chunks/ByteOrder.h"
#include "formats/chunks/CIFFChunkInfo.h"

class CMedia;
class CPartialMedia;

class CIFFWriter2 {
public:
    // The outermost writer over media (not owned).
    CIFFWriter2(CMedia& media, ChunkByteOrder byteOrder);
    // A writer on the inside of a group that parent has begun.
    CIFFWriter2(CIFFWriter2& parent, const CIFFChunkInfo& group);
    virtual ~CIFFWriter2();
    CIFFWriter2(const CIFFWriter2&) = delete;
    CIFFWriter2& operator=(const CIFFWriter2&) = delete;

    // Write a 12-byte group header (FORM, CAT or LIST, size 0, type) at the
    // current position.
    CIFFChunkInfo BeginForm(const char* type);
    CIFFChunkInfo BeginCat(const char* type);
    CIFFChunkInfo BeginList(const char* type);
    // Writes the identifier and size 0.
    CIFFChunkInfo BeginChunk(const char* id);
    // Patches the size of a chunk or group begun at this level and pads its
    // data to an even length. XWrite when the size does not fit 32 bits.
    void EndChunk(const CIFFChunkInfo& record);
    void WriteChunk(const char* id, std::int64_t count, const void* data);
    // Writes data at the current position: the contents of a chunk begun at
    // this level, written piece by piece before EndChunk.
    void Write(std::int64_t count, const void* data);

protected:
    CIFFChunkInfo BeginGroup(CIFFChunkInfo::Kind kind, const char* groupId, const char* type);

private:
    std::unique_ptr<CPartialMedia> window_;
    CMedia& media_;
    ChunkByteOrder byteOrder_;
};
