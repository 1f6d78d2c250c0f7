#pragma once
// Something to draw on: a window's drawing context or an off-screen bitmap.
// The drawing operations are common; a kind of canvas supplies the painter
// and says when the drawing reaches its pixels.
#include <string>

#include "framework/graphics/RGBColor.h"

class QPainter;
class CABCBitmap;
class CTransparentBitmap;

class CABCCanvas {
public:
    virtual ~CABCCanvas() = default;

    // Pixel depth of the surface, in bits.
    virtual int GetDepth() const = 0;

    void SetForeColor(RGBColor color) { foreColor_ = color; }
    RGBColor GetForeColor() const { return foreColor_; }

    void MoveTo(int x, int y);
    // A one-pixel line in the fore colour from the pen to (x, y), which
    // becomes the pen position.
    void LineTo(int x, int y);
    // Rectangles run from (left, top) up to but not including (right, bottom).
    void FrameRect(int left, int top, int right, int bottom);
    void FillRect(int left, int top, int right, int bottom, RGBColor color);
    // Text in the fore colour with its baseline at y.
    void DrawText(int x, int y, const std::string& text);
    void DrawBitmap(const CABCBitmap& bitmap, int x, int y);
    // Draws the picture where its mask is black; on a surface of 8 bits or
    // fewer its 8-bit copy is drawn.
    void DrawTransparentBitmap(const CTransparentBitmap& bitmap, int x, int y);

protected:
    // The painter of the surface, made on first use.
    virtual QPainter& GetPainter() = 0;
    // Finishes pending drawing so that it reaches the surface's pixels.
    virtual void FlushDrawing() = 0;

private:
    RGBColor foreColor_{};
    int penX_ = 0;
    int penY_ = 0;
};
