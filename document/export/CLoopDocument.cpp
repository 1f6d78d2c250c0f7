#include "document/export/CLoopDocument.h"

#include <algorithm>

#include "slicing/Tempo.h"

namespace {

constexpr int kSignatureCount = 6;
constexpr std::int16_t kSensitivityStep = 10;

// The signature with the stored pair; 2/4 for any other pair.
std::int16_t SignatureIndex(int numerator, int denominator) {
    for (int i = 0; i < kSignatureCount; ++i) {
        const TimeSignature s = TimeSignatureOf(i);
        if (s.numerator == numerator && s.denominator == denominator) return static_cast<std::int16_t>(i);
    }
    return 0;
}

}  // namespace

CLoopDocument::CLoopDocument(std::unique_ptr<WAVE_SAMPLE> sound, const CSlicingSettings& settings)
    : sound_(std::move(sound)), settings_(settings) {
    slices_.Reset(static_cast<std::int32_t>(sound_->Frames()));
    clean_ = Current();
}

bool CLoopDocument::Analyse(const CAttackDetector::Progress& progress) {
    if (!slices_.Analyse(*sound_, progress)) return false;
    ApplySensitivity();
    return true;
}

void CLoopDocument::ApplySensitivity() {
    slices_.ApplyThreshold(settings_.Threshold());
    slices_.ClearDirty();
}

void CLoopDocument::ApplyRecord(const CDocumentRecord& record) {
    settings_.sensitivity = static_cast<std::int16_t>(record.sensitivity / kSensitivityStep * kSensitivityStep);
    settings_.bars = static_cast<std::int16_t>(record.bars);
    settings_.beats = record.beats;
    settings_.signature = SignatureIndex(record.numerator, record.denominator);
    settings_.newTempo = static_cast<std::int32_t>(record.newTempo);
    settings_.stretch = static_cast<std::int16_t>(record.stretch);
    settings_.pitchMode = record.pitchMode;
    settings_.normalize = record.normalize;
    settings_.silenceSelected = record.silenceSelected;
    settings_.separateSamples = record.separateSlices;

    slices_.Reset(static_cast<std::int32_t>(sound_->Frames()));
    for (const CDocumentSliceEntry& entry : record.slices) {
        if (entry.position >= sound_->Frames()) continue;
        CSlice* slice = slices_.Insert(entry.position);
        if (!slice) break;
        slice->level = entry.level;
        slice->state = entry.state;
        slice->selected = entry.selected ? 1 : 0;
    }
    ApplySensitivity();
}

CDocumentRecord CLoopDocument::Record() const {
    CDocumentRecord r;
    const TimeSignature signature = TimeSignatureOf(settings_.signature);
    r.numerator = static_cast<std::uint8_t>(signature.numerator);
    r.denominator = static_cast<std::uint8_t>(signature.denominator);
    r.bars = static_cast<std::uint16_t>(settings_.bars);
    r.beats = static_cast<std::uint8_t>(settings_.beats);
    r.newTempo = static_cast<std::uint32_t>(settings_.newTempo);
    r.normalize = settings_.normalize;
    r.separateSlices = settings_.separateSamples;
    r.silenceSelected = settings_.silenceSelected;
    r.pitchMode = settings_.pitchMode;
    r.stretch = static_cast<std::uint16_t>(settings_.stretch);
    r.sensitivity = static_cast<std::uint16_t>(settings_.sensitivity);
    for (int i = 0; i < slices_.Count(); ++i) {
        const CSlice& s = slices_.Entry(i);
        r.slices.push_back({s.position, s.level, static_cast<std::uint8_t>(s.state), s.selected != 0});
    }
    return r;
}

std::int32_t CLoopDocument::Tempo() const {
    return TempoFromLength(sound_->Rate(), LoopTicks(settings_.bars, settings_.beats, settings_.signature),
                           sound_->LoopStart(), sound_->LoopEnd());
}

CLoopDocument::State CLoopDocument::Current() const {
    return State{Record(), sound_->LoopStart(), sound_->LoopEnd()};
}

bool CLoopDocument::IsDirty() const { return !(Current() == clean_); }

void CLoopDocument::MarkClean(std::optional<CFileSpec> file) {
    file_ = std::move(file);
    clean_ = Current();
}
