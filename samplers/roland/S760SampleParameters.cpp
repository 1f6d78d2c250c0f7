#include "samplers/roland/S760SampleParameters.h"

#include <algorithm>

#include "samplers/roland/S760Names.h"

namespace S760 {

namespace {

constexpr std::uint32_t kRates[] = {48000, 44100, 24000, 22050, 30000, 15000, 32000, 16000};
// Addresses of the loops the S-760 needs even where the format has none.
constexpr std::uint32_t kShortLoop = 1024;
constexpr std::uint32_t kReleaseGap = 2560;

void PutWord(std::uint8_t* bytes, std::uint32_t value, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t GetWord(const std::uint8_t* bytes, std::size_t count)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < count; ++i)
        value |= std::uint32_t{bytes[i]} << (8 * i);
    return value;
}

// An address as stored, and back.
std::uint32_t Stored(std::uint32_t address)
{
    return address + kStoredAddressOffset;
}

std::uint32_t Unstored(std::uint32_t stored)
{
    return stored > kStoredAddressOffset ? stored - kStoredAddressOffset : 0;
}

struct LoopModeRow {
    LoopMode sustain;
    LoopMode release;
    bool endsAtSustainEnd;
};

LoopModeRow RowOf(std::uint8_t mode)
{
    switch (mode) {
    case 0: return {LoopMode::kForward, LoopMode::kNoLoopData, false};
    case 1: return {LoopMode::kForward, LoopMode::kForward, false};
    case 2: return {LoopMode::kOff, LoopMode::kNoLoopData, true};
    case 3: return {LoopMode::kForward, LoopMode::kOff, false};
    case 4: return {LoopMode::kAlternating, LoopMode::kNoLoopData, false};
    case 5:
    case 6: return {LoopMode::kOff, LoopMode::kNoLoopData, false};
    default: return {LoopMode::kNoLoopData, LoopMode::kNoLoopData, false};
    }
}

}  // namespace

std::array<std::uint8_t, kParameterBytes> SampleParameters::Encode() const
{
    std::array<std::uint8_t, kParameterBytes> block{};
    std::copy(name.begin(), name.end(), block.begin());
    const std::uint32_t addresses[] = {start, sustainStart, sustainEnd, releaseStart, releaseEnd};
    for (std::size_t i = 0; i < 5; ++i)
        PutWord(&block[16 + 4 * i], Stored(addresses[i]), 4);
    block[36] = loopMode;
    std::copy(settings.begin(), settings.end(), block.begin() + 37);
    PutWord(&block[40], firstSegment, 2);
    PutWord(&block[42], segmentCount, 2);
    block[44] = rateIndex;
    block[45] = rootKey;
    std::copy(moreSettings.begin(), moreSettings.end(), block.begin() + 46);
    return block;
}

SampleParameters SampleParameters::Decode(const std::array<std::uint8_t, kParameterBytes>& block)
{
    SampleParameters p;
    std::copy_n(block.begin(), kNameBytes, p.name.begin());
    std::uint32_t* addresses[] = {&p.start, &p.sustainStart, &p.sustainEnd, &p.releaseStart, &p.releaseEnd};
    for (std::size_t i = 0; i < 5; ++i)
        *addresses[i] = Unstored(GetWord(&block[16 + 4 * i], 4));
    p.loopMode = block[36];
    std::copy_n(block.begin() + 37, 3, p.settings.begin());
    p.firstSegment = static_cast<std::uint16_t>(GetWord(&block[40], 2));
    p.segmentCount = static_cast<std::uint16_t>(GetWord(&block[42], 2));
    p.rateIndex = block[44];
    p.rootKey = block[45];
    std::copy_n(block.begin() + 46, 2, p.moreSettings.begin());
    return p;
}

SampleParameters SampleParameters::Empty()
{
    SampleParameters p;
    p.name = NameBytes("");
    p.name[0] = kEmptyMark;
    return p;
}

std::uint32_t RateOfIndex(std::uint8_t index)
{
    return index < std::size(kRates) ? kRates[index] : 44100;
}

std::uint8_t SnapRateIndex(std::uint32_t rate)
{
    std::uint8_t best = 0;
    for (std::uint8_t i = 0; i < std::size(kRates); ++i)
        if (kRates[i] >= rate && kRates[i] < kRates[best])
            best = i;
    return best;
}

std::uint32_t SnapRate(std::uint32_t rate)
{
    return RateOfIndex(SnapRateIndex(rate));
}

void FitLoopPoints(SampleFormat& f)
{
    SampleLoop& sustain = f.sustain;
    SampleLoop& release = f.release;
    if (sustain.mode == LoopMode::kNoLoopData)
        sustain = {sustain.mode, f.start, f.start + 4};
    if (release.mode == LoopMode::kNoLoopData)
        release = {release.mode, f.end >= 4 ? f.end - 4 : 0, f.end};
    if (sustain.mode == LoopMode::kNoLoopData || sustain.mode == LoopMode::kOff) {
        sustain.mode = LoopMode::kOff;
        sustain.end = f.end;
        release.mode = LoopMode::kNoLoopData;
    } else if (sustain.mode == LoopMode::kForward) {
        if (release.mode == LoopMode::kOff)
            release.end = f.end;
        if (release.mode == LoopMode::kAlternating)
            release.mode = LoopMode::kForward;
    } else {
        release.mode = LoopMode::kNoLoopData;
    }
    sustain.end = std::max({sustain.end, f.start + 4, sustain.start + 4});
    release.start = std::max(release.start, sustain.end + 10);
    release.end = std::max(release.end, release.start + 4);
    f.length = std::max(f.length, release.end);
    f.end = sustain.mode == LoopMode::kOff ? sustain.end : release.end;
    f.length = (f.length + kSegmentFrames - 1) / kSegmentFrames * kSegmentFrames - 4;
}

SampleParameters FormatToParameters(const SampleFormat& f, std::uint16_t firstSegment, std::uint16_t segmentCount,
                                    Half half)
{
    SampleParameters p;
    const std::string name = SampleNameForm(f.name);
    p.name = NameBytes(half == Half::kMono ? name : StereoHalfName(name, half == Half::kRight));
    p.rootKey = f.rootKey;
    p.firstSegment = firstSegment;
    p.segmentCount = segmentCount;
    const std::uint32_t base = p.Base();
    const auto address = [base](std::uint32_t frame) { return base + frame * kFramesPerAddress; };
    p.start = address(f.start);
    p.sustainStart = address(f.sustain.start);
    p.sustainEnd = address(f.sustain.end);
    if (f.sustain.mode == LoopMode::kNoLoopData) {
        p.sustainStart = p.start;
        p.sustainEnd = p.start + kShortLoop;
    }
    if (f.release.mode == LoopMode::kNoLoopData) {
        p.releaseStart = p.sustainEnd + kReleaseGap;
        p.releaseEnd = address(f.end);
    } else {
        p.releaseStart = address(f.release.start);
        p.releaseEnd = address(f.release.end);
    }
    switch (f.sustain.mode) {
    case LoopMode::kNoLoopData:
    case LoopMode::kOff:
        p.loopMode = 2;
        p.releaseEnd = p.releaseStart + kShortLoop;
        break;
    case LoopMode::kAlternating: p.loopMode = 4; break;
    case LoopMode::kForward:
        p.loopMode = f.release.mode == LoopMode::kNoLoopData ? 0 : f.release.mode == LoopMode::kOff ? 3 : 1;
        break;
    }
    p.rateIndex = SnapRateIndex(f.rate);
    return p;
}

SampleFormat ParametersToFormat(const SampleParameters& p)
{
    SampleFormat f;
    f.name = ShownName(NameText(p.name.data()));
    f.rate = RateOfIndex(p.rateIndex);
    f.length = p.segmentCount > 0 ? std::uint32_t{p.segmentCount} * kSegmentFrames - 4 : 0;
    const std::uint32_t base = p.Base();
    const auto frame = [base](std::uint32_t address) {
        return address > base ? (address - base) / kFramesPerAddress : 0;
    };
    const LoopModeRow row = RowOf(p.loopMode);
    f.start = frame(p.start);
    f.sustain = {row.sustain, frame(p.sustainStart), frame(p.sustainEnd)};
    f.release = {row.release, frame(p.releaseStart), frame(p.releaseEnd)};
    f.end = row.endsAtSustainEnd ? f.sustain.end : f.release.end;
    f.rootKey = p.rootKey;
    return f;
}

}  // namespace S760
