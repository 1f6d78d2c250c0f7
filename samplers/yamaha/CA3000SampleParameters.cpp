#include "samplers/yamaha/CA3000SampleParameters.h"

#include <algorithm>
#include <cmath>

#include "framework/exceptions/SamplerExceptions.h"

namespace {

constexpr double kStepsPerCent = 0.85333;
constexpr double kCentsPerStep = 1.171875;
constexpr std::uint32_t kTailFrames = 4;

}  // namespace

CA3000SampleParameters::CA3000SampleParameters() : fData(kBytes, 0)
{
    A3000::Put32(&fData[kRate], kDefaultRate);
    fData[kLoopMode] = kLoopOff;
    SetKeys(60, 0, 127);
    fData[kLevel] = 127;
    fData[kPan] = 64;
}

CA3000SampleParameters CA3000SampleParameters::Read(const A3000::Bytes& data)
{
    if (data.size() != kBytes)
        throw XA3000ReceivedInvalidSysex();
    CA3000SampleParameters parameters;
    parameters.fData = data;
    return parameters;
}

void CA3000SampleParameters::Describe(const SampleFormat& format)
{
    SetName(format.name);
    A3000::Put32(&fData[kLength], format.length);
    A3000::Put32(&fData[kRate], format.rate);
    A3000::Put32(&fData[kStart], format.start);
    A3000::Put32(&fData[kEnd], format.end);
    A3000::Put32(&fData[kLoopStart], format.sustain.start);
    A3000::Put32(&fData[kLoopEnd], format.sustain.end);
    fData[kLoopMode] = format.sustain.mode == LoopMode::kForward ? kLoopForward : kLoopOff;
    SetKeys(format.rootKey, format.lowestKey, format.highestKey);
    fData[kFineTune] = static_cast<std::uint8_t>(FineTuneSteps(format.fineTune));
}

SampleFormat CA3000SampleParameters::Format() const
{
    SampleFormat format;
    format.name = Name();
    format.length = Length();
    format.rate = A3000::Get32(&fData[kRate]);
    format.start = A3000::Get32(&fData[kStart]);
    format.end = A3000::Get32(&fData[kEnd]);
    format.sustain = {fData[kLoopMode] == kLoopForward ? LoopMode::kForward : LoopMode::kOff,
                      A3000::Get32(&fData[kLoopStart]), A3000::Get32(&fData[kLoopEnd])};
    format.rootKey = fData[kKey];
    format.lowestKey = fData[kLowKey];
    format.highestKey = fData[kHighKey];
    format.fineTune = static_cast<std::int16_t>(std::lround(static_cast<std::int8_t>(fData[kFineTune]) * kCentsPerStep));
    return format;
}

void CA3000SampleParameters::SetKeys(std::uint8_t key, std::uint8_t low, std::uint8_t high)
{
    fData[kKey] = key & 0x7F;
    fData[kLowKey] = low & 0x7F;
    fData[kHighKey] = high & 0x7F;
}

void CA3000SampleParameters::TakeWaveTexts(const CA3000SampleParameters& stored)
{
    std::copy_n(stored.fData.begin() + kWaveTexts, kWaveTextsLength, fData.begin() + kWaveTexts);
}

std::int8_t CA3000SampleParameters::FineTuneSteps(std::int32_t cents)
{
    return static_cast<std::int8_t>(std::clamp<long>(std::lround(cents * kStepsPerCent), -128, 127));
}

std::int16_t CA3000SampleParameters::RoundFineTune(std::int32_t cents)
{
    return static_cast<std::int16_t>(std::lround(FineTuneSteps(cents) * kCentsPerStep));
}

void CA3000SampleParameters::AdjustFormat(SampleFormat& format)
{
    format.name = A3000::AllowedName(format.name);
    format.channels = std::min<std::uint8_t>(format.channels, 2);
    format.bits = 16;
    format.rate = std::min(format.rate, kHighestRate);
    if (format.length < format.end + kTailFrames)
        format.length = format.end + kTailFrames;
    if (format.release.mode != LoopMode::kNoLoopData) {
        format.release.mode = LoopMode::kOff;
        format.sustain.mode = LoopMode::kForward;
    } else if (format.sustain.mode == LoopMode::kNoLoopData) {
        format.sustain = {LoopMode::kOff, format.start, format.end};
    } else if (format.sustain.mode != LoopMode::kOff) {
        format.sustain.mode = LoopMode::kForward;
    }
    format.fineTune = RoundFineTune(format.fineTune);
}
