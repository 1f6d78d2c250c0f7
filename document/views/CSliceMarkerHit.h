#pragma once
// Which slice marker a click in the slice strip hits: the nearest visible
// point within half a marker width plus kSlack pixels of the click.
#include "document/views/CFrameScale.h"

class CSliceList;

class CSliceMarkerHit {
public:
    static constexpr int kSlack = 10;

    // The entry's index, or -1 when no marker is near enough.
    static int Find(const CSliceList& slices, const CFrameScale& scale, int x, int markerWidth);
};
