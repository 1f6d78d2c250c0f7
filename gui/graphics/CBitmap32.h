#pragma once
// An off-screen bitmap of 32 bits per pixel.
#include "gui/graphics/CABCBitmap.h"

class CBitmap32 : public CABCBitmap {
public:
    CBitmap32(int width, int height) : CABCBitmap(width, height, 32, CPalette()) {}
};
