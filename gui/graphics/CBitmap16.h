#pragma once
// An off-screen bitmap of 16 bits per pixel.
#include "gui/graphics/CABCBitmap.h"

class CBitmap16 : public CABCBitmap {
public:
    CBitmap16(int width, int height) : CABCBitmap(width, height, 16, CPalette()) {}
};
