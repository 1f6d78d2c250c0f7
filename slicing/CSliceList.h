#pragma once
// The slice points of one sound: a table of up to 1000 entries in increasing
// order of position, filled once by the attack analysis and then changed only
// by the editing operations. Walks select all, counted or visible entries.
#include <array>
#include <cstdint>

#include "slicing/CAttackDetector.h"
#include "slicing/CSlice.h"

class WAVE_SAMPLE;

enum class SliceFilter { kAll, kCounted, kVisible };

class CSliceList {
public:
    static constexpr int kCapacity = 1000;
    // Level given to points drawn with the Pen.
    static constexpr std::int16_t kDrawnLevel = 16384;
    // Distance within which a drawn point moves to a zero crossing.
    static constexpr std::int32_t kZeroCrossingRadius = 300;

    // Finds the attacks of the sound and fills the list with them, shown by
    // the threshold in force. False (and an empty list) when progress stopped it.
    bool Analyse(const WAVE_SAMPLE& sound, const CAttackDetector::Progress& progress = {});
    // Empties the list for a sound of the given length (the document file fills it).
    void Reset(std::int32_t frames);

    std::int16_t Count() const { return count_; }
    std::int32_t Frames() const { return frames_; }
    CSlice& Entry(int index) { return entries_[static_cast<std::size_t>(index)]; }
    const CSlice& Entry(int index) const { return entries_[static_cast<std::size_t>(index)]; }

    // Shows the entries whose level is above threshold, and drawn ones at any
    // threshold; marks changed ones dirty.
    void ApplyThreshold(std::int16_t threshold);
    std::int16_t Threshold() const { return threshold_; }
    void ClearDirty();

    // Inserts after every entry at or before position; nothing when full.
    CSlice* Insert(std::uint32_t position);

    // Walks in array order; -1 when there is no such entry.
    int First(SliceFilter filter) const;
    int Next(int index, SliceFilter filter) const;
    int Last(SliceFilter filter) const;
    // The n-th (from 0) entry passing the filter.
    int Nth(int n, SliceFilter filter) const;
    int CountOf(SliceFilter filter) const;

    // The frame before the next counted slice's start, or the frame count
    // after the last counted slice.
    std::int64_t End(int index) const;
    std::int64_t Length(int index) const { return End(index) - Entry(index).position; }
    // The first counted slice with start <= position <= End; -1 when none.
    int CountedContaining(std::int64_t position) const;
    // The counted slice whose start is nearest (the first on ties); -1 when none.
    int CountedNearest(std::int64_t position) const;
    // A locator position moved onto the slicing: 0, end, or the nearest start.
    std::int64_t Snap(std::int64_t position, std::int64_t end) const;

    // Pen click: adds a locked point at the nearest zero crossing (at position
    // itself with snapToZero off) unless any entry starts there. The new entry
    // or -1.
    int Draw(const WAVE_SAMPLE& sound, std::int64_t position, bool snapToZero);
    // Arrow or Pen click on a marker.
    void ClickMarker(int index, bool shift);
    // Hide and Lock tool clicks on a marker.
    void HideClick(int index);
    void LockClick(int index);
    // Selected visible points become hidden (hide) or hidden ones normal (show).
    void HideSelected(bool hide);
    // Selected visible points become locked (lock) or locked ones normal (unlock).
    void LockSelected(bool lock);
    void SelectRange(std::int64_t from, std::int64_t to);
    void SelectAll();
    void InvertSelection();
    bool CanSelectAll() const { return First(SliceFilter::kVisible) >= 0; }
    bool CanInvertSelection() const;

private:
    static bool Passes(const CSlice& slice, SliceFilter filter);
    static void SetSelected(CSlice& slice, bool selected);
    static void SetState(CSlice& slice, std::uint32_t state);
    void SelectOnly(int index);

    std::array<CSlice, kCapacity> entries_{};
    std::int16_t count_ = 0;
    std::int32_t frames_ = 0;
    std::int16_t threshold_ = 32767;
};
