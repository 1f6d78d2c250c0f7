#pragma once
// One slice point: where a slice starts in the sound and how strong its attack is.
#include <cstdint>

class CSlice {
public:
    enum State : std::uint32_t { kNormal = 0, kHidden = 1, kLocked = 2 };

    virtual ~CSlice() = default;

    // Normal and shown, or locked: part of the slicing that everything uses.
    bool IsCounted() const { return (state == kNormal && shown) || state == kLocked; }
    // Drawn as a marker and selectable (hidden points above the threshold included).
    bool IsVisible() const { return shown || state == kLocked; }

    std::uint32_t position = 0; // frame where the slice starts
    std::int16_t level = 0;     // 1..32767; 1024 = peak equal to the quiet level before it
    std::uint8_t shown = 0;     // level above the sensitivity threshold
    std::uint8_t selected = 0;
    std::uint8_t dirty = 0;     // appearance changed since the last redraw
    std::uint32_t state = kNormal;
    // Drawn with the Pen: shown at every sensitivity, so the point stays
    // counted once unlocked or shown again after hiding.
    std::uint8_t drawn = 0;
};
