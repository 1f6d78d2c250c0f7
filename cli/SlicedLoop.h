#pragma once
// A loop opened the way the slicing options ask: a sound file analysed as a
// new loop, or a document file with its stored slicing; the options given
// override the settings and locators.
#include <memory>
#include <string>

#include "cli/SliceOptions.h"
#include "document/export/CLoopDocument.h"

struct SlicedLoop {
    std::unique_ptr<CLoopDocument> document;

    const WAVE_SAMPLE& Sound() const { return document->Sound(); }
    const CSliceList& Slices() const { return document->Slices(); }
    const CSlicingSettings& Settings() const { return document->Settings(); }
    // Thousandths of a BPM from the musical length and the locators.
    std::int32_t Tempo() const { return document->Tempo(); }

    // Opens the sound file (the open path's limits and alerts apply) and
    // analyses it, or opens the document file (".qlt"). A document whose
    // slicing cannot be used opens as a new loop after a warning line on
    // standard error.
    static SlicedLoop Load(const std::string& path, const SliceOptions& options);
};
