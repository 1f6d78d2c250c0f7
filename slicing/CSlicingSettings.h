#pragma once
// The slicing settings of a document and the mappings of its controls:
// sensitivity slider and threshold, stretch amounts.
#include <cstdint>
#include <string>

class WAVE_SAMPLE;

class CSlicingSettings {
public:
    static constexpr int kStretchSteps = 14;
    static constexpr std::int32_t kDefaultNewTempo = 120000;
    static constexpr int kDefaultSignature = 2; // 4/4

    // Slider 0..999 to sensitivity 0..990 in steps of 10, and back.
    static std::int16_t SensitivityFromSlider(int slider);
    static int SliderFromSensitivity(std::int16_t sensitivity);
    // The label beside the slider: sensitivity / 10.
    static std::string SensitivityLabel(std::int16_t sensitivity);
    // 32767 at sensitivity 0, 295 at 990: points with a level above it are shown.
    static std::int16_t ThresholdFor(std::int16_t sensitivity);
    // Length factor in per mille for a stretch index (clamped into 0..13).
    static std::int32_t StretchFactor(int index);
    static std::string StretchLabel(int index);

    std::int16_t Threshold() const { return ThresholdFor(sensitivity); }
    std::int32_t StretchFactor() const { return StretchFactor(stretch); }
    // The loop length in ticks from bars, beats and signature.
    std::int32_t LoopTicks() const;
    // The tempo of the sound between its locators, in thousandths of a BPM.
    std::int32_t Tempo(const WAVE_SAMPLE& sound) const;

    std::int16_t sensitivity = 0; // 0..990
    std::int16_t bars = 0;        // 0..666
    std::int16_t beats = 0;       // 0..7
    std::int16_t signature = kDefaultSignature; // 2/4, 3/4, 4/4, 5/4, 6/8, 7/8
    std::int32_t newTempo = kDefaultNewTempo;   // thousandths of a BPM
    std::int16_t stretch = 0;     // index into the stretch table
    bool pitchMode = false;       // Pitch to New Tempo
    bool normalize = false;
    bool silenceSelected = false;
    bool separateSamples = true;  // false: transmit as one sample
};
