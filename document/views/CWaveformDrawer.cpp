#include "document/views/CWaveformDrawer.h"

#include <algorithm>
#include <cstring>

#include "document/views/CWaveformPalette.h"
#include "sound/WAVE_SAMPLE.h"

namespace {

// One column of pixels of the target.
class ColumnPainter {
public:
    ColumnPainter(const CWaveformDrawer::Target& target, int x) : target_(target), x_(x) {}

    // Rows first..last, clipped to the target; nothing when last < first.
    void Fill(int first, int last, std::uint8_t index) const
    {
        first = std::max(first, 0);
        last = std::min(last, target_.height - 1);
        for (int row = first; row <= last; ++row)
            At(row) = index;
    }
    // Rows first..last with a gradient from one palette position to another.
    void Gradient(int first, int last, int fromIndex, int toIndex) const
    {
        const int span = last - first;
        for (int row = std::max(first, 0); row <= std::min(last, target_.height - 1); ++row) {
            const int index = span == 0 ? fromIndex : fromIndex + (toIndex - fromIndex) * (row - first) / span;
            At(row) = static_cast<std::uint8_t>(index);
        }
    }

private:
    std::uint8_t& At(int row) const
    {
        return target_.pixels[static_cast<std::ptrdiff_t>(row) * target_.bytesPerRow + x_];
    }

    const CWaveformDrawer::Target& target_;
    int x_;
};

}  // namespace

int CWaveformDrawer::SampleRow(std::int32_t sample, int height)
{
    const std::int64_t centre = height / 2;
    // sample × centre ÷ 32767 by a multiply and shift, rounding down.
    const std::int64_t offset = (std::int64_t{sample} * centre * 0x3FFF8001LL) >> 45;
    return static_cast<int>(std::clamp<std::int64_t>(centre - offset, 0, std::max(height - 1, 0)));
}

int CWaveformDrawer::OverviewRow(std::int32_t value, int height)
{
    const int centre = height / 2;
    return std::clamp(centre - value * centre / 129, 0, std::max(height - 1, 0));
}

CWaveformDrawer::Extent CWaveformDrawer::SampleExtent(const WAVE_SAMPLE& sound, std::int64_t from,
                                                      std::int64_t to, int height)
{
    std::int16_t low = sound.Sample(static_cast<std::uint32_t>(from));
    std::int16_t high = low;
    for (std::int64_t i = from + 1; i < to; ++i) {
        const std::int16_t s = sound.Sample(static_cast<std::uint32_t>(i));
        low = std::min(low, s);
        high = std::max(high, s);
    }
    return {SampleRow(high, height), SampleRow(low, height)};
}

CWaveformDrawer::Extent CWaveformDrawer::ColumnExtent(const WAVE_SAMPLE& sound, const CFrameScale& scale, int x,
                                                      int height)
{
    const std::int64_t limit = std::min<std::int64_t>(scale.Start() + scale.Length(), sound.Frames());
    const std::int64_t from = scale.FrameAtPixel(x);
    if (from >= limit || from < 0)
        return {height / 2, height / 2};
    // A column covers at least its first frame, so a view zoomed in below one
    // frame per pixel shows each sample over several columns.
    const std::int64_t to = std::clamp(scale.FrameAtPixel(x + 1), from + 1, limit);
    if (scale.UsesOverview()) {
        const std::int64_t first = from / WAVE_SAMPLE::kOverviewStep;
        const std::int64_t last = std::min<std::int64_t>(to / WAVE_SAMPLE::kOverviewStep, sound.OverviewEntries());
        if (first < last) {
            const BAT& overview = sound.Overview();
            int low = 127;
            int high = -128;
            for (std::int64_t k = first; k < last; ++k) {
                const auto entry = static_cast<std::uint16_t>(overview.ReadSample(static_cast<std::uint32_t>(k)));
                low = std::min<int>(low, static_cast<std::int8_t>(entry & 0xFF));
                high = std::max<int>(high, static_cast<std::int8_t>(entry >> 8));
            }
            return {OverviewRow(high, height), OverviewRow(low, height)};
        }
    }
    return SampleExtent(sound, from, to, height);
}

void CWaveformDrawer::Draw(const WAVE_SAMPLE& sound, const CFrameScale& scale, WaveformStyle style,
                           std::uint8_t background, const Target& target)
{
    for (int row = 0; row < target.height; ++row)
        std::memset(target.pixels + static_cast<std::ptrdiff_t>(row) * target.bytesPerRow, background,
                    static_cast<std::size_t>(target.width));
    if (sound.Frames() == 0 || target.height == 0)
        return;

    Extent previous{};
    for (int x = 0; x < target.width; ++x) {
        if (scale.FrameAtPixel(x) >= std::min<std::int64_t>(scale.Start() + scale.Length(), sound.Frames()))
            break;
        const Extent current = ColumnExtent(sound, scale, x, target.height);
        if (x == 0)
            previous = current;
        const ColumnPainter column(target, x);
        // Plain and Shaded reach the previous column's range, so steep edges
        // show no gaps.
        int first = current.top;
        int last = current.bottom;
        if (current.bottom >= previous.top)
            first = std::min(current.top, previous.bottom);
        else
            last = previous.top;
        switch (style) {
        case WaveformStyle::kPlain:
            column.Fill(first, last, CWaveformPalette::kWaveform);
            break;
        case WaveformStyle::kShaded:
            column.Gradient(first, last, CWaveformPalette::kBrightest, CWaveformPalette::kDarkest);
            break;
        case WaveformStyle::k3D:
            column.Fill(std::max(current.top, previous.top) + 1, std::min(current.bottom, previous.bottom) - 1,
                        CWaveformPalette::kWaveform);
            column.Fill(std::min(previous.bottom, current.bottom), std::max(previous.bottom, current.bottom),
                        current.bottom > previous.bottom ? CWaveformPalette::kLightShade
                                                         : CWaveformPalette::kDarkShade);
            column.Fill(std::min(previous.top, current.top), std::max(previous.top, current.top),
                        current.top > previous.top ? CWaveformPalette::kDarkShade : CWaveformPalette::kLightShade);
            break;
        }
        previous = current;
    }
}
