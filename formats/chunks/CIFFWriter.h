#pragma once
// The flat chunk writer: one outer group (FORM, or RIFF in little-endian
// mode) holding plain chunks. Sizes are patched when a group or chunk ends;
// no pad bytes are added, a format that needs even lengths pads its own data.
#include <cstdint>

#include "formats/chunks/ByteOrder.h"

class CMedia;

class CIFFWriter {
public:
    // Size written in a header that has been begun and not yet finished.
    static constexpr std::uint32_t kUnfinishedSize = 0xADDE1AB0;

    // Writes big-endian sizes to media (not owned).
    explicit CIFFWriter(CMedia& media);
    virtual ~CIFFWriter() = default;

    // Writes a 12-byte group header: groupId ("FORM" or "RIFF"), size, type.
    void BeginForm(const char* groupId, const char* type);
    void EndForm();
    // Writes an 8-byte chunk header: identifier and size.
    void BeginChunk(const char* id);
    void EndChunk();
    void Write(std::int64_t count, const void* data);
    // BeginChunk, Write, EndChunk.
    void WriteChunk(const char* id, const void* data, std::int64_t count);

protected:
    CIFFWriter(CMedia& media, ChunkByteOrder byteOrder);

private:
    void WriteIdentifier(const char* id);
    void WriteSize(std::uint32_t size);
    // Writes the size of the header at start, measured up to the current position.
    void PatchSize(std::int64_t start);

    static constexpr std::int64_t kNotOpen = kUnfinishedSize;

    ChunkByteOrder byteOrder_;
    std::int64_t formStart_ = kNotOpen;
    std::int64_t chunkStart_ = kNotOpen;
    CMedia& media_;
};
