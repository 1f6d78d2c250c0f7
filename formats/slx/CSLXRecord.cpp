#include "formats/slx/CSLXRecord.h"

#include <algorithm>
#include <cstring>

#include "formats/chunks/ByteOrder.h"

namespace {

constexpr std::size_t kOffMagic = 0;
constexpr std::size_t kOffVersionMajor = 4;
constexpr std::size_t kOffVersionMinor = 5;
constexpr std::size_t kOffLoopTicks = 6;
constexpr std::size_t kOffSliceCount = 10;
constexpr std::size_t kOffTempo = 12;
constexpr std::size_t kOffSlices = 1016;
constexpr std::size_t kEntrySize = 12;

}  // namespace

void CSLXRecord::Encode(std::uint8_t* out) const {
    std::memset(out, 0, kSize);
    WriteBigEndian32(out + kOffMagic, kMagic);
    out[kOffVersionMajor] = 1;
    out[kOffVersionMinor] = 0;
    WriteBigEndian32(out + kOffLoopTicks, loopTicks);
    const std::size_t count = std::min(slices.size(), kMaxSlices);
    WriteBigEndian16(out + kOffSliceCount, static_cast<std::uint16_t>(count));
    WriteBigEndian32(out + kOffTempo, tempo);
    for (std::size_t i = 0; i < count; ++i) {
        std::uint8_t* e = out + kOffSlices + kEntrySize * i;
        WriteBigEndian32(e, slices[i].sampleOffset);
        WriteBigEndian32(e + 4, slices[i].length);
        WriteBigEndian32(e + 8, slices[i].position);
    }
}

std::uint32_t CSLXRecord::StoredTempo(std::uint32_t tempo, std::uint32_t sampleRate, std::int64_t loopTicks,
                                      std::int64_t loopFrames) {
    if (tempo != kHighestTempo) return tempo;
    if (loopFrames <= 0) return 0;
    const double exact = static_cast<double>(sampleRate) * static_cast<double>(loopTicks) * 60.0 /
                         (static_cast<double>(loopFrames) * 960.0) * 1000.0;
    const bool shownTruly = exact >= kHighestTempo && exact < kHighestTempo + 1.0;
    return shownTruly ? kHighestTempo : 0;
}
