#pragma once
// A loop opened the way the slicing options ask: a sound file analysed as a
// new loop, or a document file with its stored slicing; the options given
// override the settings and locators.
#include <memory>
#include <string>

#include "cli/SliceOptions.h"
#include "document/export/CLoopDocument.h"
#include "formats/sound/SoundFileInfo.h"

struct SlicedLoop {
    std::unique_ptr<CLoopDocument> document;
    // What the file's header says (channels and bits of the file itself).
    SoundFileInfo file;
    // The channel taken from the file: "left", "right", "mix" or "mono".
    std::string channel;
    // A warning about the file that did not stop it from opening, or empty.
    std::string warning;

    const WAVE_SAMPLE& Sound() const { return document->Sound(); }
    const CSliceList& Slices() const { return document->Slices(); }
    const CSlicingSettings& Settings() const { return document->Settings(); }
    // Thousandths of a BPM from the musical length and the locators.
    std::int32_t Tempo() const { return document->Tempo(); }

    // Opens the sound file (the open path's limits and alerts apply) and
    // analyses it, or opens the document file (".qlt"). A document whose
    // slicing cannot be used opens as a new loop with a warning.
    static SlicedLoop Load(const std::string& path, const SliceOptions& options);
};
