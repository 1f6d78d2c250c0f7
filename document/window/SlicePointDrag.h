#pragma once
// Moving an existing slice point by dragging its marker (Arrow tool): the
// point follows the pointer, snapped to the nearest zero crossing unless
// Alt is held, and becomes locked so that the sensitivity no longer hides
// it. It never lands on or past a neighbouring entry of the list (of any
// state), so the list stays in order and the index stays the same.
#include <cstdint>

class CSliceList;
class WAVE_SAMPLE;

// The frames the entry at index may take: one past the entry before it
// (or 0) up to one before the entry after it (or the last frame). An
// empty range (first > last) when the neighbours leave no room.
struct SliceDragBounds {
    std::int64_t first;
    std::int64_t last;
};
SliceDragBounds SlicePointDragBounds(const CSliceList& slices, const WAVE_SAMPLE& sound, int index);

// Moves the entry at index towards position and answers where it now lies.
// A point that does not move (no room, or the pointer on its own frame)
// keeps its state.
std::int64_t MoveSlicePoint(CSliceList& slices, const WAVE_SAMPLE& sound, int index, std::int64_t position,
                            bool snapToZero);
