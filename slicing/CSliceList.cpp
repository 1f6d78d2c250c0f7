#include "slicing/CSliceList.h"

#include <algorithm>
#include <cstdlib>

#include "sound/WAVE_SAMPLE.h"
#include "sound/ZeroCrossing.h"

void CSliceList::Reset(std::int32_t frames)
{
    entries_ = {};
    count_ = 0;
    frames_ = frames;
}

bool CSliceList::Analyse(const WAVE_SAMPLE& sound, const CAttackDetector::Progress& progress)
{
    Reset(static_cast<std::int32_t>(sound.Frames()));
    CAttackDetector detector;
    if (!detector.Run(sound.Samples(), sound.Frames(), progress))
        return false;
    for (int k = 0; k < detector.Count(); ++k) {
        const CAttackDetector::Attack& attack = detector.At(k);
        // The back search can reach the start of the attack before; such a
        // point would begin a slice of no length, so it is dropped.
        if (count_ > 0 && attack.position <= entries_[static_cast<std::size_t>(count_ - 1)].position)
            continue;
        CSlice& slice = entries_[static_cast<std::size_t>(count_++)];
        slice.position = attack.position;
        slice.level = std::max<std::int16_t>(attack.level, 1);
        slice.dirty = 1;
    }
    ApplyThreshold(threshold_);
    return true;
}

void CSliceList::ApplyThreshold(std::int16_t threshold)
{
    threshold_ = threshold;
    for (int i = 0; i < count_; ++i) {
        CSlice& slice = Entry(i);
        const std::uint8_t shown = slice.drawn || slice.level > threshold ? 1 : 0;
        if (slice.shown != shown) {
            slice.shown = shown;
            slice.dirty = 1;
        }
    }
}

void CSliceList::ClearDirty()
{
    for (int i = 0; i < count_; ++i)
        Entry(i).dirty = 0;
}

CSlice* CSliceList::Insert(std::uint32_t position)
{
    if (count_ >= kCapacity)
        return nullptr;
    int at = count_;
    while (at > 0 && Entry(at - 1).position > position)
        --at;
    std::move_backward(entries_.begin() + at, entries_.begin() + count_, entries_.begin() + count_ + 1);
    ++count_;
    CSlice& slice = Entry(at);
    slice = CSlice();
    slice.position = position;
    return &slice;
}

bool CSliceList::Passes(const CSlice& slice, SliceFilter filter)
{
    switch (filter) {
    case SliceFilter::kCounted:
        return slice.IsCounted();
    case SliceFilter::kVisible:
        return slice.IsVisible();
    case SliceFilter::kAll:
        break;
    }
    return true;
}

int CSliceList::First(SliceFilter filter) const
{
    return Next(-1, filter);
}

int CSliceList::Next(int index, SliceFilter filter) const
{
    for (int i = std::max(index + 1, 0); i < count_; ++i)
        if (Passes(Entry(i), filter))
            return i;
    return -1;
}

int CSliceList::Last(SliceFilter filter) const
{
    for (int i = count_ - 1; i >= 0; --i)
        if (Passes(Entry(i), filter))
            return i;
    return -1;
}

int CSliceList::Nth(int n, SliceFilter filter) const
{
    for (int i = First(filter); i >= 0; i = Next(i, filter))
        if (n-- == 0)
            return i;
    return -1;
}

int CSliceList::CountOf(SliceFilter filter) const
{
    int n = 0;
    for (int i = First(filter); i >= 0; i = Next(i, filter))
        ++n;
    return n;
}

std::int64_t CSliceList::End(int index) const
{
    const int next = Next(index, SliceFilter::kCounted);
    return next >= 0 ? std::int64_t{Entry(next).position} - 1 : frames_;
}

int CSliceList::CountedContaining(std::int64_t position) const
{
    for (int i = First(SliceFilter::kCounted); i >= 0; i = Next(i, SliceFilter::kCounted))
        if (Entry(i).position <= position && position <= End(i))
            return i;
    return -1;
}

int CSliceList::CountedNearest(std::int64_t position) const
{
    int nearest = -1;
    std::int64_t best = 0;
    for (int i = First(SliceFilter::kCounted); i >= 0; i = Next(i, SliceFilter::kCounted)) {
        const std::int64_t distance = std::llabs(Entry(i).position - position);
        if (nearest < 0 || distance < best) {
            nearest = i;
            best = distance;
        }
    }
    return nearest;
}

std::int64_t CSliceList::Snap(std::int64_t position, std::int64_t end) const
{
    const int first = First(SliceFilter::kCounted);
    if (first < 0)
        return position;
    if (2 * position < Entry(first).position)
        return 0;
    const std::int64_t last = Entry(Last(SliceFilter::kCounted)).position;
    if (2 * (position - last) > end - last)
        return end;
    return Entry(CountedNearest(position)).position;
}

int CSliceList::Draw(const WAVE_SAMPLE& sound, std::int64_t position, bool snapToZero)
{
    if (sound.Frames() == 0)
        return -1;
    const std::uint32_t at = snapToZero
                                 ? FindZeroCrossing(sound, position, kZeroCrossingRadius)
                                 : static_cast<std::uint32_t>(std::clamp<std::int64_t>(position, 0, sound.Frames() - 1));
    for (int i = 0; i < count_; ++i)
        if (Entry(i).position == at)
            return -1;
    CSlice* slice = Insert(at);
    if (slice == nullptr)
        return -1;
    slice->state = CSlice::kLocked;
    slice->level = kDrawnLevel;
    slice->drawn = 1;
    slice->shown = 1;
    slice->dirty = 1;
    return static_cast<int>(slice - entries_.data());
}

void CSliceList::SetSelected(CSlice& slice, bool selected)
{
    if ((slice.selected != 0) != selected) {
        slice.selected = selected ? 1 : 0;
        slice.dirty = 1;
    }
}

void CSliceList::SetState(CSlice& slice, std::uint32_t state)
{
    if (slice.state != state) {
        slice.state = state;
        slice.dirty = 1;
    }
}

void CSliceList::SelectOnly(int index)
{
    for (int i = 0; i < count_; ++i)
        SetSelected(Entry(i), i == index);
}

void CSliceList::ClickMarker(int index, bool shift)
{
    if (index < 0 || index >= count_)
        return;
    if (shift) {
        SetSelected(Entry(index), Entry(index).selected == 0);
        return;
    }
    for (int i = First(SliceFilter::kVisible); i >= 0; i = Next(i, SliceFilter::kVisible))
        SetSelected(Entry(i), false);
    SetSelected(Entry(index), true);
}

void CSliceList::HideClick(int index)
{
    if (index < 0 || index >= count_)
        return;
    if (!Entry(index).selected)
        SelectOnly(index);
    HideSelected(Entry(index).state != CSlice::kHidden);
}

void CSliceList::LockClick(int index)
{
    if (index < 0 || index >= count_)
        return;
    if (!Entry(index).selected)
        SelectOnly(index);
    LockSelected(Entry(index).state != CSlice::kLocked);
}

void CSliceList::HideSelected(bool hide)
{
    for (int i = First(SliceFilter::kVisible); i >= 0; i = Next(i, SliceFilter::kVisible)) {
        CSlice& slice = Entry(i);
        if (!slice.selected)
            continue;
        if (hide)
            SetState(slice, CSlice::kHidden);
        else if (slice.state == CSlice::kHidden)
            SetState(slice, CSlice::kNormal);
    }
}

void CSliceList::LockSelected(bool lock)
{
    for (int i = First(SliceFilter::kVisible); i >= 0; i = Next(i, SliceFilter::kVisible)) {
        CSlice& slice = Entry(i);
        if (!slice.selected)
            continue;
        if (lock)
            SetState(slice, CSlice::kLocked);
        else if (slice.state == CSlice::kLocked)
            SetState(slice, CSlice::kNormal);
    }
}

void CSliceList::SelectRange(std::int64_t from, std::int64_t to)
{
    if (from > to)
        std::swap(from, to);
    for (int i = First(SliceFilter::kVisible); i >= 0; i = Next(i, SliceFilter::kVisible))
        if (Entry(i).position >= from && Entry(i).position <= to)
            SetSelected(Entry(i), true);
}

void CSliceList::SelectAll()
{
    for (int i = First(SliceFilter::kVisible); i >= 0; i = Next(i, SliceFilter::kVisible))
        SetSelected(Entry(i), true);
}

void CSliceList::InvertSelection()
{
    for (int i = First(SliceFilter::kVisible); i >= 0; i = Next(i, SliceFilter::kVisible))
        SetSelected(Entry(i), Entry(i).selected == 0);
}

bool CSliceList::CanInvertSelection() const
{
    for (int i = First(SliceFilter::kVisible); i >= 0; i = Next(i, SliceFilter::kVisible))
        if (Entry(i).selected)
            return true;
    return false;
}
