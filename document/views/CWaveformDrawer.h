#pragma once
// Draws the waveform of a shown frame range into the pixels of an 8-bit
// bitmap, by palette index (CWaveformPalette's positions). Below 32 frames
// per pixel each column's extent comes from the samples, from 32 on from the
// sound's overview, so a long sound zoomed out costs no more than a short one.
#include <cstdint>

#include "document/views/CFrameScale.h"
#include "document/views/WaveformStyle.h"

class WAVE_SAMPLE;

class CWaveformDrawer {
public:
    // The pixels of an 8-bit bitmap: rows top to bottom, bytesPerRow apart.
    struct Target {
        std::uint8_t* pixels = nullptr;
        int bytesPerRow = 0;
        int width = 0;
        int height = 0;
    };
    // A column's extent: top row (of the largest value) and bottom row.
    struct Extent {
        int top = 0;
        int bottom = 0;
    };

    // The row of a sample value in a view of `height` rows, centre row
    // height / 2; kept inside the bitmap (full-scale negative values would
    // otherwise land one row below it).
    static int SampleRow(std::int32_t sample, int height);
    // The row of an overview byte (-128..127).
    static int OverviewRow(std::int32_t value, int height);
    // The extent of column x of the scale.
    static Extent ColumnExtent(const WAVE_SAMPLE& sound, const CFrameScale& scale, int x, int height);

    // Fills the target with `background`, then draws one column per pixel.
    static void Draw(const WAVE_SAMPLE& sound, const CFrameScale& scale, WaveformStyle style,
                     std::uint8_t background, const Target& target);

private:
    static Extent SampleExtent(const WAVE_SAMPLE& sound, std::int64_t from, std::int64_t to, int height);
};
