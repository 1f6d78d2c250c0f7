#include "document/history/CDocumentSnapshot.h"

#include <algorithm>

#include "document/export/CLoopDocument.h"

namespace {

bool SameSettings(const CSlicingSettings& a, const CSlicingSettings& b)
{
    return a.sensitivity == b.sensitivity && a.bars == b.bars && a.beats == b.beats &&
           a.signature == b.signature && a.newTempo == b.newTempo && a.stretch == b.stretch &&
           a.pitchMode == b.pitchMode && a.normalize == b.normalize && a.silenceSelected == b.silenceSelected &&
           a.separateSamples == b.separateSamples;
}

bool SameSlice(const CSlice& a, const CSlice& b)
{
    return a.position == b.position && a.level == b.level && a.shown == b.shown && a.selected == b.selected &&
           a.state == b.state && a.drawn == b.drawn;
}

} // namespace

CDocumentSnapshot CDocumentSnapshot::Of(const CLoopDocument& document)
{
    CDocumentSnapshot snapshot;
    snapshot.settings_ = document.Settings();
    const CSliceList& slices = document.Slices();
    snapshot.slices_.reserve(static_cast<std::size_t>(slices.Count()));
    for (int i = 0; i < slices.Count(); ++i)
        snapshot.slices_.push_back(slices.Entry(i));
    snapshot.left_ = document.Sound().LoopStart();
    snapshot.right_ = document.Sound().LoopEnd();
    return snapshot;
}

void CDocumentSnapshot::RestoreInto(CLoopDocument& document) const
{
    document.Settings() = settings_;
    CSliceList& slices = document.Slices();
    slices.Reset(slices.Frames());
    for (const CSlice& entry : slices_) {
        CSlice* slice = slices.Insert(entry.position);
        *slice = entry;
        slice->dirty = 1;
    }
    slices.ApplyThreshold(settings_.Threshold());
    document.Sound().SetLoop(left_, right_, true);
}

bool CDocumentSnapshot::operator==(const CDocumentSnapshot& other) const
{
    return SameSettings(settings_, other.settings_) && left_ == other.left_ && right_ == other.right_ &&
           std::equal(slices_.begin(), slices_.end(), other.slices_.begin(), other.slices_.end(), SameSlice);
}
