#pragma once
// The rules of moving the left and right locators on the ruler: they stay
// kLocatorDistance frames apart and inside the sound.
#include <cstdint>
#include <optional>

class CSliceList;

class CLocatorRules {
public:
    static constexpr std::int64_t kLocatorDistance = 256;

    // Dragging a handle: the position is held kLocatorDistance from the other
    // locator and inside the sound; when no position is allowed the locator stays.
    static std::int64_t DragLeft(std::int64_t proposed, std::int64_t current, std::int64_t right);
    static std::int64_t DragRight(std::int64_t proposed, std::int64_t current, std::int64_t left,
                                  std::int64_t frames);
    // Shift+click and Ctrl+click: the new position, or nothing when the
    // distance or the sound's bounds forbid it.
    static std::optional<std::int64_t> ClickLeft(std::int64_t frame, std::int64_t right);
    static std::optional<std::int64_t> ClickRight(std::int64_t frame, std::int64_t left, std::int64_t frames);
    // The frame the mouse names on the ruler, clicking or dragging a handle:
    // the frame under it, snapped to the slicing unless Alt is held.
    static std::int64_t PointedFrame(const CSliceList& slices, std::int64_t frame, std::int64_t frames, bool alt);
};
