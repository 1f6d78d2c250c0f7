#pragma once
// Decodes a JPEG picture from a stream into a new bitmap of 8, 16, 24 or 32
// bits. Every error of the JPEG library becomes XJPegBadFormat,
// XJPegUnsupportedFormat, XJPegOutOfMemory or XJPegInternalError; the
// decompressor is destroyed on every way out.
#include <memory>

#include "gui/graphics/CABCBitmap.h"

class CMedia;

class CJPEGDecoder {
public:
    // An 8-bit result is quantized with error diffusion to colorMap, which
    // must then be given. Reads the stream from its current position.
    static std::unique_ptr<CABCBitmap> Decode(CMedia& media, int depth, const CPalette* colorMap = nullptr);

    // Throws the exception class that stands for a library message code.
    [[noreturn]] static void ThrowForMessageCode(int code);
};
