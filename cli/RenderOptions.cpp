#include "cli/RenderOptions.h"

#include <CLI/CLI.hpp>

#include "cli/CliFailure.h"
#include "document/export/ExportSampleRates.h"
#include "slicing/Tempo.h"

void RenderOptions::Define(CLI::App& command, const std::string& rateUse) {
    rateOption_ = command
                      .add_option("--rate", rate_,
                                  "sample rate of " + rateUse +
                                      ": 22050, 32000, 44100, 48000 or 96000 "
                                      "(default: the sound's rate, or the next higher one of these)")
                      ->check(CLI::IsMember(std::vector<std::uint32_t>(kExportSampleRates.begin(), kExportSampleRates.end())))
                      ->option_text("HZ");
    stretchOption_ = command
                         .add_option("--stretch", stretch_,
                                     "stretch amount, the index of the stretch table: 0 to 13 "
                                     "(default 0, or the document's)")
                         ->check(CLI::Range(0, CSlicingSettings::kStretchSteps - 1))
                         ->option_text("0..13");
    command.add_flag("--normalize", normalize_, "scale every slice to full level (default off, or the document's)");
    command.add_flag("--silence-selected", silenceSelected_,
                     "silence the selected slices (default off, or the document's)");
    command.add_flag("--one-sample", oneSample_, "use the loop as one sample instead of its slices (default off)");
    command.add_flag("--pitch-mode", pitchMode_,
                     "pitch the slices to the new tempo instead of stretching them (default off, or the document's)");
    newTempoOption_ = command
                          .add_option("--new-tempo", newTempo_,
                                      "the tempo to render at, in BPM: 0.001 to 999.999 "
                                      "(default 120, or the document's)")
                          ->option_text("BPM");
}

bool RenderOptions::Given(const CLI::Option* option) const { return option != nullptr && option->count() > 0; }

void RenderOptions::Check() const {
    if (Given(newTempoOption_) && !ParseNewTempo(newTempo_))
        throw CliUsageError("--new-tempo takes a tempo in BPM, such as 96.5");
}

void RenderOptions::ApplyTo(CSlicingSettings& settings) const {
    if (Given(stretchOption_)) settings.stretch = static_cast<std::int16_t>(stretch_);
    settings.normalize |= normalize_;
    settings.silenceSelected |= silenceSelected_;
    settings.separateSamples &= !oneSample_;
    settings.pitchMode |= pitchMode_;
    if (Given(newTempoOption_)) settings.newTempo = *ParseNewTempo(newTempo_);
}

std::uint32_t RenderOptions::RateFor(std::uint32_t soundRate) const {
    return Given(rateOption_) ? rate_ : kExportSampleRates[InitialExportRateIndex(soundRate)];
}
