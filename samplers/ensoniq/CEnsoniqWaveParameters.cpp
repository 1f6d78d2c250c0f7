#include "samplers/ensoniq/CEnsoniqWaveParameters.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::uint8_t kWaveLoopOff = 0;
constexpr std::uint8_t kWaveLoopForward = 1;
constexpr std::uint8_t kWaveLoopAlternating = 2;

}  // namespace

void CEnsoniqWaveParameters::SetAddress(Address which, std::uint32_t address)
{
    const std::array<std::uint16_t, 4> words = Ensoniq::EncodeAddress(address);
    std::copy(words.begin(), words.end(), fWords.begin() + static_cast<std::ptrdiff_t>(which));
}

std::uint32_t CEnsoniqWaveParameters::Frames() const
{
    const std::uint32_t start = AddressOf(kSampleStart);
    const std::uint32_t end = AddressOf(kSampleEnd);
    return end > start ? end - start : 0;
}

void CEnsoniqWaveParameters::Describe(const SampleFormat& format)
{
    SetName(format.name);
    SetByte(kRootKey, format.rootKey);
    SetByte(kFineTune, static_cast<std::uint8_t>(static_cast<std::int8_t>(format.fineTune)));
    switch (format.sustain.mode) {
    case LoopMode::kForward: SetByte(kLoopMode, kWaveLoopForward); break;
    case LoopMode::kAlternating: SetByte(kLoopMode, kWaveLoopAlternating); break;
    default: SetByte(kLoopMode, kWaveLoopOff); break;
    }
    fWords.at(kRateHigh) = static_cast<std::uint16_t>(format.rate >> 16);
    fWords.at(kRateLow) = static_cast<std::uint16_t>(format.rate & 0xFFFF);
    SetAddress(kSampleStart, 0);
    SetAddress(kSampleEnd, format.length);
    SetAddress(kLoopStart, format.sustain.start);
    SetAddress(kLoopEnd, format.sustain.end);
}

SampleFormat CEnsoniqWaveParameters::Format(std::uint8_t bits) const
{
    SampleFormat format;
    format.name = Name();
    format.bits = bits;
    format.rate = std::uint32_t{fWords.at(kRateHigh)} << 16 | fWords.at(kRateLow);
    format.length = format.end = Frames();
    format.rootKey = Byte(kRootKey);
    format.fineTune = static_cast<std::int8_t>(Byte(kFineTune));
    const std::uint32_t start = AddressOf(kSampleStart);
    const std::uint8_t mode = Byte(kLoopMode);
    format.sustain.mode = mode == kWaveLoopForward       ? LoopMode::kForward
                          : mode == kWaveLoopAlternating ? LoopMode::kAlternating
                                                         : LoopMode::kOff;
    format.sustain.start = AddressOf(kLoopStart) > start ? AddressOf(kLoopStart) - start : 0;
    format.sustain.end = AddressOf(kLoopEnd) > start ? AddressOf(kLoopEnd) - start : 0;
    format.Shorten(format.length);
    return format;
}
