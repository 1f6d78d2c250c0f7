#include "document/views/CSliceMarkerHit.h"

#include <cstdlib>

#include "slicing/CSliceList.h"

int CSliceMarkerHit::Find(const CSliceList& slices, const CFrameScale& scale, int x, int markerWidth)
{
    const std::int64_t reach = markerWidth / 2 + kSlack;
    int best = -1;
    std::int64_t bestDistance = reach + 1;
    for (int i = slices.First(SliceFilter::kVisible); i >= 0; i = slices.Next(i, SliceFilter::kVisible)) {
        const std::int64_t distance = std::llabs(scale.PixelOfFrame(slices.Entry(i).position) - x);
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}
