#pragma once
// A sliced loop without its window: the sound with its locators, the slice
// list, the slicing settings and the file it was opened from or saved to.
// It knows whether it differs from what was last opened or saved, which the
// window uses for its title and for the save question on closing.
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>

#include "formats/document/CDocumentRecord.h"
#include "framework/files/CFileSpec.h"
#include "slicing/CSliceList.h"
#include "slicing/CSlicingSettings.h"
#include "sound/WAVE_SAMPLE.h"

class CLoopDocument {
public:
    // The sound with an empty slice list and the given settings.
    CLoopDocument(std::unique_ptr<WAVE_SAMPLE> sound, const CSlicingSettings& settings);

    // Runs the attack analysis and applies the sensitivity. False when
    // progress stopped it.
    bool Analyse(const CAttackDetector::Progress& progress = {});
    // Takes the stored settings and slice points; the slice list shows them
    // by the stored sensitivity. Points at or past the end of the sound are
    // left out.
    void ApplyRecord(const CDocumentRecord& record);
    // The settings and slice points as the document file stores them.
    CDocumentRecord Record() const;

    WAVE_SAMPLE& Sound() { return *sound_; }
    const WAVE_SAMPLE& Sound() const { return *sound_; }
    CSliceList& Slices() { return slices_; }
    const CSliceList& Slices() const { return slices_; }
    CSlicingSettings& Settings() { return settings_; }
    const CSlicingSettings& Settings() const { return settings_; }

    // Shows the slice points above the threshold of the current sensitivity.
    void ApplySensitivity();
    // The loop's tempo from its length between the locators.
    std::int32_t Tempo() const;

    const std::optional<CFileSpec>& File() const { return file_; }
    // The sound or document file the loop was opened from; none for a loop
    // made in the program.
    const std::optional<CFileSpec>& Origin() const { return origin_; }
    void SetOrigin(CFileSpec file) { origin_ = std::move(file); }
    // True when settings, slice points or locators differ from the state
    // last marked clean.
    bool IsDirty() const;
    // The current state becomes the clean one; file names where it lies.
    void MarkClean(std::optional<CFileSpec> file);

private:
    struct State {
        CDocumentRecord record;
        std::int32_t left = 0;
        std::int32_t right = 0;
        bool operator==(const State&) const = default;
    };
    State Current() const;

    std::unique_ptr<WAVE_SAMPLE> sound_;
    CSliceList slices_;
    CSlicingSettings settings_;
    std::optional<CFileSpec> file_;
    std::optional<CFileSpec> origin_;
    State clean_;
};
