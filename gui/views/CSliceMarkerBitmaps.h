#pragma once
// The six slice marker pictures (SBMP 13100-13121: normal, hidden and locked,
// each not selected and selected), with their top-left pixel's colour as the
// transparent colour, kept ready to draw.
#include <QImage>
#include <array>

class CSlice;

class CSliceMarkerBitmaps {
public:
    // Loads the pictures; the framework's errors when they are missing.
    CSliceMarkerBitmaps();

    static int PictureNumber(const CSlice& slice);
    const QImage& For(const CSlice& slice) const;
    int Width() const { return images_[0].width(); }
    int Height() const { return images_[0].height(); }

private:
    std::array<QImage, 6> images_;
};
