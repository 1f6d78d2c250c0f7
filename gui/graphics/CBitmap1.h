#pragma once
// An off-screen bitmap of 1 bit per pixel: 0 black, 1 white.
#include "gui/graphics/CABCBitmap.h"

class CBitmap1 : public CABCBitmap {
public:
    CBitmap1(int width, int height) : CABCBitmap(width, height, 1, BlackAndWhite()) {}

private:
    static CPalette BlackAndWhite()
    {
        CPalette palette;
        palette[1] = {255, 255, 255};
        return palette;
    }
};
