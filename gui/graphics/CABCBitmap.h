#pragma once
// An off-screen bitmap of one pixel depth: rows stored top to bottom, each
// padded to a multiple of 4 bytes. It is also a canvas.
//   32 bits: blue, green, red, 0     24 bits: blue, green, red
//   16 bits: 5-5-5, blue in bits 0-4, green 5-9, red 10-14
//   8 bits: palette index             1 bit: 0 black, 1 white, first pixel in the top bit
#include <cstdint>
#include <memory>

#include "gui/graphics/CABCCanvas.h"
#include "gui/graphics/CPalette.h"

class QImage;

class CABCBitmap : public CABCCanvas {
public:
    ~CABCBitmap() override;
    CABCBitmap(const CABCBitmap&) = delete;
    CABCBitmap& operator=(const CABCBitmap&) = delete;

    // Width × depth ÷ 8 rounded up to whole bytes, then up to a multiple of 4.
    static int GetBytesPerRow(int width, int depth);

    int GetWidth() const { return width_; }
    int GetHeight() const { return height_; }
    int GetDepth() const override { return depth_; }
    int GetBytesPerRow() const { return bytesPerRow_; }
    // The colour table of 1- and 8-bit bitmaps.
    const CPalette& GetPalette() const { return palette_; }

    // The pixels, top row first, after any pending drawing has reached them.
    // Writes through the pointer are seen by later drawing.
    std::uint8_t* LockPixels();
    void UnlockPixels() {}
    const std::uint8_t* GetPixels() const { return pixels_.get(); }

    // A read-only image over the pixels (no copy; valid while the bitmap lives
    // and is not drawn into).
    QImage GetImage() const;

protected:
    // XOutOfMemory when the size is negative, above 32767 or cannot be allocated.
    CABCBitmap(int width, int height, int depth, const CPalette& palette);

    QPainter& GetPainter() override;
    void FlushDrawing() override;

private:
    std::int16_t width_;
    std::int16_t height_;
    int depth_;
    int bytesPerRow_;
    CPalette palette_;
    std::unique_ptr<std::uint8_t[]> pixels_;
    // While drawing: the image the painter works on (the pixels themselves,
    // or a 32-bit working copy for 1 and 8 bits) and the painter.
    std::unique_ptr<QImage> target_;
    std::unique_ptr<QPainter> painter_;
};
