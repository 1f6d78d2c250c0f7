#pragma once
// The flat chunk writer with little-endian sizes (RIFF files).
#include "formats/chunks/CIFFWriter.h"

class RIFF_WRITER : public CIFFWriter {
public:
    explicit RIFF_WRITER(CMedia& media) : CIFFWriter(media, ChunkByteOrder::kLittleEndian) {}
};
