#include "document/views/CFrameScale.h"

#include <algorithm>

namespace {

// Division rounding toward minus infinity (positions left of the range).
std::int64_t FloorDiv(std::int64_t a, std::int64_t b)
{
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

}  // namespace

CFrameScale::CFrameScale(std::int64_t start, std::int64_t length, int width)
    : start_(start), length_(std::max<std::int64_t>(length, 1)), width_(std::max(width, 1))
{
}

double CFrameScale::FramesPerPixel() const
{
    return static_cast<double>(length_) / width_;
}

std::int64_t CFrameScale::FrameAtPixel(std::int64_t x) const
{
    return start_ + FloorDiv(x * length_, width_);
}

std::int64_t CFrameScale::PixelOfFrame(std::int64_t frame) const
{
    return FloorDiv((frame - start_) * width_, length_);
}

int CFrameScale::ClampedPixelOfFrame(std::int64_t frame) const
{
    return static_cast<int>(std::clamp<std::int64_t>(PixelOfFrame(frame), -1, width_));
}
