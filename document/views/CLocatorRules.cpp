#include "document/views/CLocatorRules.h"

#include <algorithm>

#include "slicing/CSliceList.h"

std::int64_t CLocatorRules::DragLeft(std::int64_t proposed, std::int64_t current, std::int64_t right)
{
    const std::int64_t highest = right - kLocatorDistance;
    return highest < 0 ? current : std::clamp<std::int64_t>(proposed, 0, highest);
}

std::int64_t CLocatorRules::DragRight(std::int64_t proposed, std::int64_t current, std::int64_t left,
                                      std::int64_t frames)
{
    const std::int64_t lowest = std::max<std::int64_t>(left + kLocatorDistance, 0);
    return lowest > frames ? current : std::clamp(proposed, lowest, frames);
}

std::optional<std::int64_t> CLocatorRules::ClickLeft(std::int64_t frame, std::int64_t right)
{
    if (frame < 0 || frame > right - kLocatorDistance)
        return std::nullopt;
    return frame;
}

std::optional<std::int64_t> CLocatorRules::ClickRight(std::int64_t frame, std::int64_t left, std::int64_t frames)
{
    if (frame > frames || frame < left + kLocatorDistance)
        return std::nullopt;
    return frame;
}

std::int64_t CLocatorRules::PointedFrame(const CSliceList& slices, std::int64_t frame, std::int64_t frames, bool alt)
{
    frame = std::clamp<std::int64_t>(frame, 0, frames);
    return alt ? frame : slices.Snap(frame, frames);
}
