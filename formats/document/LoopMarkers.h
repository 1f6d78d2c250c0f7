#pragma once
// Reads back the loop range that an AIFF file's MARK chunk carries as
// marker 1 ("Loop start") and marker 2 ("Loop end").
#include <cstdint>
#include <optional>
#include <utility>

class CMedia;

// The positions of markers 1 and 2, or nothing when the file has no MARK
// chunk or lacks either marker. XBadFormat for a MARK chunk whose markers
// run past its end.
std::optional<std::pair<std::uint32_t, std::uint32_t>> ReadLoopMarkers(CMedia& stream);
