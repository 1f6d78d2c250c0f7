#pragma once
// The nesting chunk reader. It walks one level of a chunk file (FORM, CAT ,
// LIST groups and plain chunks); an inner reader opened on a group's record
// walks that group's contents through a window that ends with the group.
// Every record it reads lies inside its level: a chunk that claims to run
// past its parent or the stream is a bad format.
#include <memory>

#include "formats/chunks/ByteOrder.h"
#include "formats/chunks/CIFFChunkInfo.h"

class CMedia;
class CPartialMedia;

class CIFFReader2 {
public:
    // The outermost reader over media (not owned).
    CIFFReader2(CMedia& media, ChunkByteOrder byteOrder);
    // A reader on the inside of a group or chunk that parent has read.
    // XBadFormat when the record does not lie inside parent's level.
    CIFFReader2(CIFFReader2& parent, const CIFFChunkInfo& record);
    ~CIFFReader2();
    CIFFReader2(const CIFFReader2&) = delete;
    CIFFReader2& operator=(const CIFFReader2&) = delete;

    // False when the level holds fewer than 8 bytes; else reads the first header.
    bool ReadFirst(CIFFChunkInfo& record);
    // Reads the header after record (its data padded to an even length).
    // False at the end of the level; XBase when record claims to run past it.
    bool ReadNext(const CIFFChunkInfo& record, CIFFChunkInfo& next);
    // The first plain chunk named name at this level; groups are not entered.
    bool FindChunk(const char* name, CIFFChunkInfo& record);
    // The first CAT group of type type at this level.
    bool FindCat(const char* type, CIFFChunkInfo& record);
    // Reads all record.size data bytes of record into buffer.
    void ReadChunkData(const CIFFChunkInfo& record, void* buffer);

    // True when the stream's first header is a FORM, CAT or LIST group whose
    // total length is exactly the stream's size. Never throws a stream error.
    static bool IsValidFile(CMedia& media, ChunkByteOrder byteOrder);

private:
    std::unique_ptr<CPartialMedia> OpenWindow(const CIFFChunkInfo& record);
    CIFFChunkInfo ReadHeader(std::int64_t start);
    bool Find(CIFFChunkInfo::Kind kind, const char* name, CIFFChunkInfo& record);
    // XBadFormat unless record lies wholly inside this level.
    void CheckInside(const CIFFChunkInfo& record);

    // The window over a group's data, for an inner reader.
    std::unique_ptr<CPartialMedia> window_;
    CMedia& media_;
    ChunkByteOrder byteOrder_;
};
