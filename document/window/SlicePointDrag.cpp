#include "document/window/SlicePointDrag.h"

#include <algorithm>

#include "slicing/CSliceList.h"
#include "sound/WAVE_SAMPLE.h"
#include "sound/ZeroCrossing.h"

SliceDragBounds SlicePointDragBounds(const CSliceList& slices, const WAVE_SAMPLE& sound, int index)
{
    SliceDragBounds bounds{0, static_cast<std::int64_t>(sound.Frames()) - 1};
    if (index > 0)
        bounds.first = static_cast<std::int64_t>(slices.Entry(index - 1).position) + 1;
    if (index + 1 < slices.Count())
        bounds.last = std::min<std::int64_t>(bounds.last, static_cast<std::int64_t>(slices.Entry(index + 1).position) - 1);
    return bounds;
}

std::int64_t MoveSlicePoint(CSliceList& slices, const WAVE_SAMPLE& sound, int index, std::int64_t position,
                            bool snapToZero)
{
    CSlice& slice = slices.Entry(index);
    const SliceDragBounds bounds = SlicePointDragBounds(slices, sound, index);
    if (bounds.first > bounds.last)
        return slice.position;
    std::int64_t target = std::clamp(position, bounds.first, bounds.last);
    if (snapToZero) {
        const std::int64_t snapped = FindZeroCrossing(sound, target, CSliceList::kZeroCrossingRadius);
        // A crossing beyond a neighbour does not count; the pointer's frame stays.
        if (snapped >= bounds.first && snapped <= bounds.last)
            target = snapped;
    }
    if (target != slice.position) {
        slice.position = static_cast<std::uint32_t>(target);
        slice.state = CSlice::kLocked;
        slice.dirty = 1;
    }
    return target;
}
