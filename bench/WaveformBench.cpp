// Redrawing the views of a five-minute loop: the waveform zoomed fully out
// (from the overview) and zoomed in (from the samples), in each style, and a
// drag of the sensitivity across its range over 997 slice points, each step
// re-filtering the points and redrawing the marker strip. Goal: every redraw
// well under one 60 Hz frame (16 ms).
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <cstdint>
#include <memory>

#include "document/views/CWaveformDrawer.h"
#include "document/views/CWaveformPalette.h"
#include "gui/graphics/CBitmap8.h"
#include "gui/views/CSliceView.h"
#include "slicing/CSliceList.h"
#include "slicing/CSlicingSettings.h"
#include "sound/WAVE_SAMPLE.h"

namespace {

constexpr std::uint32_t kRate = 44100;
constexpr std::uint32_t kFrames = 5 * 60 * kRate;
constexpr int kWidth = 1280;
constexpr int kHeight = 240;
constexpr int kPoints = 997;

// A decaying burst every 13230 frames over low noise; overview built.
const WAVE_SAMPLE& FiveMinuteLoop()
{
    static const std::unique_ptr<WAVE_SAMPLE> sound = [] {
        auto s = std::make_unique<WAVE_SAMPLE>("Loop", kRate, kFrames);
        std::uint32_t seed = 99;
        for (std::uint32_t i = 0; i < kFrames; ++i) {
            seed = seed * 1664525u + 1013904223u;
            const auto since = static_cast<std::int32_t>(i % (kFrames / kPoints));
            const std::int32_t envelope = since < 4000 ? 30000 * (4000 - since) / 4000 : 300;
            const std::int32_t sign = (static_cast<std::int32_t>(seed >> 16) & 0xFF) - 128;
            s->Samples().WriteSample(i, static_cast<std::int16_t>(envelope * sign / 128));
        }
        s->Overview();
        return s;
    }();
    return *sound;
}

void DrawWaveform(benchmark::State& state, std::int64_t length)
{
    const WAVE_SAMPLE& sound = FiveMinuteLoop();
    CBitmap8 bitmap(kWidth, kHeight, CPalette());
    const CFrameScale scale(0, length, kWidth);
    const auto style = static_cast<WaveformStyle>(state.range(0));
    for (auto _ : state) {
        CWaveformDrawer::Draw(sound, scale, style, CWaveformPalette::kInterfaceNight,
                              {bitmap.LockPixels(), bitmap.GetBytesPerRow(), kWidth, kHeight});
        benchmark::ClobberMemory();
    }
}

void BM_WaveformZoomedOut(benchmark::State& state)
{
    DrawWaveform(state, kFrames);
}
BENCHMARK(BM_WaveformZoomedOut)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// 31 frames per pixel: the most samples read per redraw.
void BM_WaveformFromSamples(benchmark::State& state)
{
    DrawWaveform(state, 31 * kWidth);
}
BENCHMARK(BM_WaveformFromSamples)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// 997 points with levels spread over the whole range.
CSliceList SlicePoints()
{
    CSliceList slices;
    slices.Reset(static_cast<std::int32_t>(kFrames));
    for (int i = 0; i < kPoints; ++i) {
        CSlice* slice = slices.Insert(static_cast<std::uint32_t>(i) * (kFrames / kPoints));
        slice->level = static_cast<std::int16_t>(1 + (i * 7919) % 32767);
    }
    return slices;
}

void BM_SensitivityDrag(benchmark::State& state)
{
    CSliceList slices = SlicePoints();
    QImage strip(kWidth, 16, QImage::Format_RGB32);
    const CFrameScale scale(0, kFrames, kWidth);
    CSliceView::Markers();
    int slider = 0;
    for (auto _ : state) {
        slider = (slider + 10) % 1000;
        slices.ApplyThreshold(CSlicingSettings::ThresholdFor(CSlicingSettings::SensitivityFromSlider(slider)));
        QPainter painter(&strip);
        CSliceView::DrawStrip(painter, slices, scale, strip.height(), QColor(32, 32, 64));
        painter.end();
        slices.ClearDirty();
    }
}
BENCHMARK(BM_SensitivityDrag)->Unit(benchmark::kMillisecond);

}  // namespace
