#pragma once
// A loop opened and analysed the way the slicing options ask: the sound, its
// slice list with the sensitivity applied, the settings and the locators.
#include <memory>
#include <string>

#include "cli/SliceOptions.h"
#include "document/analysis/CSliceList.h"
#include "document/analysis/CSlicingSettings.h"
#include "document/buffer/WAVE_SAMPLE.h"

struct SlicedLoop {
    std::unique_ptr<WAVE_SAMPLE> sound;  // its loop range holds the locators
    std::unique_ptr<CSliceList> slices;
    CSlicingSettings settings;

    // Thousandths of a BPM from the musical length and the locators.
    std::int32_t Tempo() const;

    // Opens the sound file (the open path's limits and alerts apply) and
    // analyses it. Locators outside the sound are clamped into it; a range
    // that is empty or reversed becomes the whole sound.
    static SlicedLoop Load(const std::string& path, const SliceOptions& options);
};
