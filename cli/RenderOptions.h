#pragma once
// The options of how a loop's slices are rendered, shared by every command
// that renders them (export, transmit): sample rate, stretch, normalize,
// silence, one sample, pitch mode and new tempo. An option not given leaves
// a document's stored value, or for a sound the default.
#include <cstdint>
#include <optional>
#include <string>

#include "slicing/CSlicingSettings.h"

namespace CLI {
class App;
class Option;
}

class RenderOptions {
public:
    // `rateUse` names what the rate applies to in its help.
    void Define(CLI::App& command, const std::string& rateUse);
    // CliUsageError for a new tempo that is no tempo.
    void Check() const;
    // The given toggles switch on, the given amounts replace the document's.
    void ApplyTo(CSlicingSettings& settings) const;
    // The rate given, else the sound's, or the next higher export rate.
    std::uint32_t RateFor(std::uint32_t soundRate) const;

private:
    bool Given(const CLI::Option* option) const;

    std::uint32_t rate_ = 44100;
    std::int32_t stretch_ = 0;
    bool normalize_ = false;
    bool silenceSelected_ = false;
    bool oneSample_ = false;
    bool pitchMode_ = false;
    std::string newTempo_;
    CLI::Option* rateOption_ = nullptr;
    CLI::Option* stretchOption_ = nullptr;
    CLI::Option* newTempoOption_ = nullptr;
};
