#pragma once
// The part of a sound that a document window shows: the whole sound's length
// and the shown range [start, end). Every change keeps the range inside the
// sound and at least kSmallestRange frames long (or the whole sound when it
// is shorter). The window's Magnify commands, its zoom keys, the scroll bar
// and the views all change the range through here.
#include <cstdint>

#include "document/views/CFrameScale.h"

class CVisibleRange {
public:
    // The shortest range shown: zooming in, Magnify to Fit Loop with both
    // locators on one frame and a magnifying drag of a few frames stop here.
    static constexpr std::int64_t kSmallestRange = 32;
    // The scroll bar's thumb runs 0..kThumbMaximum over the range's positions.
    static constexpr int kThumbMaximum = 999;

    explicit CVisibleRange(std::int64_t soundFrames = 0);

    // A new sound length; the whole sound is shown.
    void SetSoundFrames(std::int64_t frames);
    std::int64_t SoundFrames() const { return frames_; }

    std::int64_t Start() const { return start_; }
    std::int64_t End() const { return end_; }
    std::int64_t Length() const { return end_ - start_; }
    bool Contains(std::int64_t frame) const { return frame >= start_ && frame < end_; }
    CFrameScale Scale(int width) const { return CFrameScale(start_, Length(), width); }

    // Shows [start, end): swapped ends are put in order, a short range grows
    // around its centre to the smallest range, and the range is moved (then
    // cut) to lie inside the sound. Each operation answers whether the range
    // changed.
    bool Show(std::int64_t start, std::int64_t end);
    // Magnify to Fit: the whole sound.
    bool MagnifyToFit();
    // Magnify to Fit Loop: from the left to the right locator.
    bool MagnifyToFitLoop(std::int64_t left, std::int64_t right);
    // Half as long around the centre (zoom in), twice as long (zoom out).
    bool ZoomIn();
    bool ZoomOut();
    // Half as long, centred on a frame (a magnifying click).
    bool ZoomInAt(std::int64_t frame);

    // Moves the range to start at `start`, keeping its length.
    bool ScrollTo(std::int64_t start);
    bool ScrollBy(std::int64_t frames);
    // Scroll-bar arrows: a tenth of the length; page areas: a whole length.
    // direction is -1 (left) or +1 (right).
    bool ScrollArrow(int direction);
    bool ScrollPage(int direction);
    // The thumb position of the range, and the range of a dragged thumb.
    int Thumb() const;
    bool SetThumb(int thumb);

    // Playback following: when the play position lies outside the range, the
    // range moves so that it lies a tenth of the length from the left edge.
    bool Follow(std::int64_t playPosition);

private:
    std::int64_t SmallestRange() const;

    std::int64_t frames_ = 0;
    std::int64_t start_ = 0;
    std::int64_t end_ = 0;
};
