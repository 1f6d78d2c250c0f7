#pragma once
// The off-screen 8-bit bitmap a waveform is drawn into, with the palette of
// the waveform colour and contrast (rebuilt only when those change). The
// bitmap is redrawn only when what it shows changed.
#include <cstdint>
#include <memory>

#include "document/views/CABCLoopViewHost.h"
#include "document/views/CFrameScale.h"
#include "gui/graphics/CBitmap8.h"

class WAVE_SAMPLE;

class CWaveformBitmap {
public:
    CWaveformBitmap();
    ~CWaveformBitmap();

    // Brings the bitmap up to date; false when it cannot be had (too little memory).
    bool Update(const WAVE_SAMPLE& sound, const CFrameScale& scale, int height, const CABCLoopViewHost::Look& look,
                std::uint8_t background);
    // Forces a redraw on the next update (the samples changed).
    void Forget() { drawn_ = false; }
    const CBitmap8& Bitmap() const { return *bitmap_; }
    const CPalette& Palette() const { return palette_; }
    // The locator colour of the current look.
    RGBColor LocatorColor() const { return locator_; }

private:
    struct Key {
        const WAVE_SAMPLE* sound = nullptr;
        std::int64_t start = 0;
        std::int64_t length = 0;
        int width = 0;
        int height = 0;
        WaveformStyle style = WaveformStyle::kPlain;
        std::uint8_t background = 0;
        bool operator==(const Key&) const = default;
    };

    std::unique_ptr<CBitmap8> bitmap_;
    CPalette palette_;
    RGBColor16 paletteColor_{};
    int paletteContrast_ = -1;
    RGBColor locator_{};
    Key key_{};
    bool drawn_ = false;
};
