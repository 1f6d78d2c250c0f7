#pragma once
// Reads an uncompressed 24-bit BMP file into a new 32-bit bitmap.
#include <memory>

#include "gui/graphics/CBitmap32.h"

class CMedia;

class CBMPReader {
public:
    // XBadFormat for a file that is not a BMP, XUnsupportedFormat for one that
    // is not 24-bit uncompressed, XRead when the stream ends early.
    static std::unique_ptr<CBitmap32> Read(CMedia& media);
};
