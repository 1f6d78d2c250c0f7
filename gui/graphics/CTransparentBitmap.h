#pragma once
// A picture with a mask: a 32-bit image and a 1-bit mask of the same size,
// white in the mask where the picture is transparent. For displays of 256
// colours or fewer an 8-bit copy on the colour-cube palette is made on first use.
#include <memory>

#include "gui/graphics/CBitmap1.h"
#include "gui/graphics/CBitmap32.h"
#include "gui/graphics/CBitmap8.h"

class QImage;

class CTransparentBitmap {
public:
    // Pixels of the picture that have the transparent colour are masked out.
    CTransparentBitmap(const CABCBitmap& picture, RGBColor transparentColor);

    int GetWidth() const { return image_.GetWidth(); }
    int GetHeight() const { return image_.GetHeight(); }
    const CBitmap32& GetImage() const { return image_; }
    const CBitmap1& GetMask() const { return mask_; }
    const CBitmap8& Get8BitCopy() const;

    void Draw(CABCCanvas& canvas, int x, int y) const { canvas.DrawTransparentBitmap(*this, x, y); }
    // The picture (or its 8-bit copy) with the mask as alpha, ready to draw.
    QImage MakeMaskedImage(bool eightBit) const;

private:
    CBitmap32 image_;
    CBitmap1 mask_;
    mutable std::unique_ptr<CBitmap8> eightBitCopy_;
};
