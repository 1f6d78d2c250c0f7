#include "cli/SliceOptions.h"

#include <CLI/CLI.hpp>
#include <map>
#include <string>

#include "cli/CliFailure.h"
#include "document/export/CLoopDocument.h"

namespace {

const std::map<std::string, ChannelChoice> kChannels = {
    {"left", ChannelChoice::Left}, {"right", ChannelChoice::Right}, {"mix", ChannelChoice::Mix}};
const std::map<std::string, std::int32_t> kSignatures = {{"2/4", 0}, {"3/4", 1}, {"4/4", 2},
                                                         {"5/4", 3}, {"6/8", 4}, {"7/8", 5}};

}  // namespace

void SliceOptions::Define(CLI::App& command) {
    command.add_option("--channel", channel_, "channel of a stereo file: left, right or mix (default left)")
        ->check(CLI::IsMember(kChannels))
        ->option_text("left|right|mix");
    sensitivityOption_ =
        command
            .add_option("--sensitivity", sensitivity_,
                        "how many attacks become slices: 0 to 999, rounded down to a multiple of 10 "
                        "(default 500, or the document's)")
            ->check(CLI::Range(0, 999))
            ->option_text("S");
    barsOption_ = command.add_option("--bars", bars_, "the loop's length in bars: 0 to 666 (default 1, or the document's)")
                      ->check(CLI::Range(0, 666))
                      ->option_text("B");
    beatsOption_ =
        command.add_option("--beats", beats_, "beats beyond the bars: 0 to 7 (default 0, or the document's)")
            ->check(CLI::Range(0, 7))
            ->option_text("N");
    signatureOption_ = command
                           .add_option("--signature", signature_,
                                       "time signature: 2/4, 3/4, 4/4, 5/4, 6/8 or 7/8 (default 4/4, or the document's)")
                           ->check(CLI::IsMember(kSignatures))
                           ->option_text("SIG");
    leftOption_ = command
                      .add_option("--left", left_,
                                  "left locator, a frame before --right and the end of the sound "
                                  "(default: the start, or the document's)")
                      ->check(CLI::NonNegativeNumber)
                      ->option_text("FRAME");
    rightOption_ = command
                       .add_option("--right", right_,
                                   "right locator, a frame after --left, at most the sound's length "
                                   "(default: the end, or the document's)")
                       ->check(CLI::PositiveNumber)
                       ->option_text("FRAME");
}

ChannelChoice SliceOptions::Channel() const { return kChannels.at(channel_); }

void SliceOptions::Check() const {
    if (leftOption_->count() && rightOption_->count() && left_ >= right_)
        throw CliUsageError("--left " + std::to_string(left_) + " must lie before --right " + std::to_string(right_));
}

std::optional<std::int32_t> SliceOptions::Given(const CLI::Option* option, std::int32_t value) const {
    if (option == nullptr || option->count() == 0) return std::nullopt;
    return value;
}

CSlicingSettings SliceOptions::Defaults() {
    CSlicingSettings settings;
    settings.sensitivity = 500;
    settings.bars = 1;
    return settings;
}

void SliceOptions::ApplyTo(CLoopDocument& document) const {
    CSlicingSettings& settings = document.Settings();
    if (const auto sensitivity = Given(sensitivityOption_, sensitivity_))
        settings.sensitivity = static_cast<std::int16_t>(*sensitivity / 10 * 10);
    if (const auto bars = Given(barsOption_, bars_)) settings.bars = static_cast<std::int16_t>(*bars);
    if (const auto beats = Given(beatsOption_, beats_)) settings.beats = static_cast<std::int16_t>(*beats);
    if (signatureOption_->count()) settings.signature = static_cast<std::int16_t>(kSignatures.at(signature_));

    WAVE_SAMPLE& sound = document.Sound();
    const std::int64_t frames = sound.Frames();
    const std::int64_t left = leftOption_->count() ? left_ : sound.LoopStart();
    const std::int64_t right = rightOption_->count() ? right_ : sound.LoopEnd();
    if (left >= frames || right > frames)
        throw CliUsageError("the locators " + std::to_string(left) + " to " + std::to_string(right) +
                            " lie past the end of the sound (" + std::to_string(frames) + " frames)");
    if (left >= right)
        throw CliUsageError("--left " + std::to_string(left) + " must lie before the right locator " +
                            std::to_string(right));
    sound.SetLoop(static_cast<std::int32_t>(left), static_cast<std::int32_t>(right), true);
    document.ApplySensitivity();
}
