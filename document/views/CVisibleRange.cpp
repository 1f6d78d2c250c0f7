#include "document/views/CVisibleRange.h"

#include <algorithm>
#include <utility>

CVisibleRange::CVisibleRange(std::int64_t soundFrames)
{
    SetSoundFrames(soundFrames);
}

void CVisibleRange::SetSoundFrames(std::int64_t frames)
{
    frames_ = std::max<std::int64_t>(frames, 0);
    start_ = 0;
    end_ = frames_;
}

std::int64_t CVisibleRange::SmallestRange() const
{
    return std::min(kSmallestRange, frames_);
}

bool CVisibleRange::Show(std::int64_t start, std::int64_t end)
{
    if (end < start)
        std::swap(start, end);
    std::int64_t length = std::clamp(end - start, SmallestRange(), frames_);
    // Grow (or cut) around the asked range's centre.
    start = start + (end - start) / 2 - length / 2;
    start = std::clamp<std::int64_t>(start, 0, frames_ - length);
    const bool changed = start != start_ || start + length != end_;
    start_ = start;
    end_ = start + length;
    return changed;
}

bool CVisibleRange::MagnifyToFit()
{
    return Show(0, frames_);
}

bool CVisibleRange::MagnifyToFitLoop(std::int64_t left, std::int64_t right)
{
    return Show(left, right);
}

bool CVisibleRange::ZoomIn()
{
    return ZoomInAt(start_ + Length() / 2);
}

bool CVisibleRange::ZoomOut()
{
    const std::int64_t centre = start_ + Length() / 2;
    return Show(centre - Length(), centre + Length());
}

bool CVisibleRange::ZoomInAt(std::int64_t frame)
{
    const std::int64_t half = Length() / 2;
    return Show(frame - half / 2, frame - half / 2 + half);
}

bool CVisibleRange::ScrollTo(std::int64_t start)
{
    return Show(start, start + Length());
}

bool CVisibleRange::ScrollBy(std::int64_t frames)
{
    return ScrollTo(start_ + frames);
}

bool CVisibleRange::ScrollArrow(int direction)
{
    return ScrollBy(direction * std::max<std::int64_t>(Length() / 10, 1));
}

bool CVisibleRange::ScrollPage(int direction)
{
    return ScrollBy(direction * Length());
}

int CVisibleRange::Thumb() const
{
    const std::int64_t room = frames_ - Length();
    if (room <= 0)
        return 0;
    return static_cast<int>(std::min<std::int64_t>(start_ * kThumbMaximum / room, kThumbMaximum));
}

bool CVisibleRange::SetThumb(int thumb)
{
    const std::int64_t room = frames_ - Length();
    const std::int64_t t = std::clamp(thumb, 0, kThumbMaximum);
    return ScrollTo((t * room + kThumbMaximum - 1) / kThumbMaximum);
}

bool CVisibleRange::Follow(std::int64_t playPosition)
{
    if (Contains(playPosition) || frames_ == 0)
        return false;
    return ScrollTo(playPosition - Length() / 10);
}
