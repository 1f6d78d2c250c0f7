#pragma once
// The nesting chunk writer with little-endian sizes, able to begin RIFF groups.
#include "formats/chunks/CIFFWriter2.h"

class CRIFFWriter2 : public CIFFWriter2 {
public:
    explicit CRIFFWriter2(CMedia& media) : CIFFWriter2(media, ChunkByteOrder::kLittleEndian) {}

    // Writes RIFF, size 0, type; the record's id is "RIFF".
    CIFFChunkInfo BeginRiff(const char* type);
};
