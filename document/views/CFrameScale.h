#pragma once
// The mapping of a shown frame range onto a view's pixel columns, kept exact:
// frames per pixel is the fraction length / width, never rounded, so a view
// zoomed in below one frame per pixel maps as well as one zoomed out.
#include <cstdint>

class CFrameScale {
public:
    // Below this many frames per pixel the waveform is drawn from the samples,
    // from this many on from the overview.
    static constexpr std::int64_t kOverviewFramesPerPixel = 32;

    CFrameScale(std::int64_t start, std::int64_t length, int width);

    std::int64_t Start() const { return start_; }
    std::int64_t Length() const { return length_; }
    int Width() const { return width_; }
    double FramesPerPixel() const;
    bool UsesOverview() const { return length_ >= kOverviewFramesPerPixel * width_; }

    // The first frame of column x (x may lie outside 0..width).
    std::int64_t FrameAtPixel(std::int64_t x) const;
    // The column of frame f: (f - start) / frames per pixel, rounded down.
    std::int64_t PixelOfFrame(std::int64_t frame) const;
    // PixelOfFrame clamped into -1..width, safe to hand to drawing calls.
    int ClampedPixelOfFrame(std::int64_t frame) const;

private:
    std::int64_t start_;
    std::int64_t length_;
    int width_;
};
