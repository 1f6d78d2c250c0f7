#pragma once
// An off-screen bitmap of 24 bits per pixel.
#include "gui/graphics/CABCBitmap.h"

class CBitmap24 : public CABCBitmap {
public:
    CBitmap24(int width, int height) : CABCBitmap(width, height, 24, CPalette()) {}
};
