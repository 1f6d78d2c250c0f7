#pragma once
// An off-screen bitmap of 8 bits per pixel: indexes into its palette.
#include "gui/graphics/CABCBitmap.h"

class CBitmap8 : public CABCBitmap {
public:
    CBitmap8(int width, int height, const CPalette& palette) : CABCBitmap(width, height, 8, palette) {}
};
