#pragma once
// The preferences that document windows read and write: the left-locator
// and scrolling choices, and the settings new documents start with.
#include "document/views/CABCLoopViewHost.h"
#include "slicing/CSlicingSettings.h"

struct DocumentPreferences {
    bool alwaysMoveLeftLocator = false;  // "Always Move Left Locator to First Slice Point"
    bool scrollDuringPlayback = true;    // "Scroll During Playback"
    bool setBarsToOne = false;           // "Set "Bars" to 1 in New Documents"
    CABCLoopViewHost::Look look;         // "Waveform Type", waveform colour and contrast
    // The four toggles and the stretch of the last used window.
    CSlicingSettings lastUsed;

    // A newly analysed sound's settings: sensitivity 0, bars 1 or 0, beats
    // 0, 4/4, 120 BPM, and the last used toggles and stretch.
    CSlicingSettings NewDocumentSettings() const
    {
        CSlicingSettings settings;
        settings.bars = setBarsToOne ? 1 : 0;
        settings.stretch = lastUsed.stretch;
        settings.pitchMode = lastUsed.pitchMode;
        settings.normalize = lastUsed.normalize;
        settings.silenceSelected = lastUsed.silenceSelected;
        settings.separateSamples = lastUsed.separateSamples;
        return settings;
    }
};
