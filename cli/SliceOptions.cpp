#include "cli/SliceOptions.h"

#include <array>
#include <string_view>

#include "document/export/CLoopDocument.h"

namespace {

constexpr std::array<std::string_view, 6> kSignatures = {"2/4", "3/4", "4/4", "5/4", "6/8", "7/8"};

}  // namespace

SliceOptions SliceOptions::Take(CliArguments& arguments) {
    SliceOptions options;
    if (const auto channel = arguments.TakeValue("channel")) {
        if (*channel == "left")
            options.channel = ChannelChoice::Left;
        else if (*channel == "right")
            options.channel = ChannelChoice::Right;
        else if (*channel == "mix")
            options.channel = ChannelChoice::Mix;
        else
            throw CliUsageError("--channel takes left, right or mix");
    }
    if (const auto sensitivity = arguments.TakeNumber("sensitivity", 0, 999))
        options.sensitivity = static_cast<std::int32_t>(*sensitivity / 10 * 10);
    if (const auto bars = arguments.TakeNumber("bars", 0, 666)) options.bars = static_cast<std::int32_t>(*bars);
    if (const auto beats = arguments.TakeNumber("beats", 0, 7)) options.beats = static_cast<std::int32_t>(*beats);
    if (const auto signature = arguments.TakeValue("signature")) {
        std::int32_t index = 0;
        while (index < static_cast<std::int32_t>(kSignatures.size()) && kSignatures[index] != *signature) ++index;
        if (index == static_cast<std::int32_t>(kSignatures.size()))
            throw CliUsageError("--signature takes 2/4, 3/4, 4/4, 5/4, 6/8 or 7/8");
        options.signature = index;
    }
    if (const auto left = arguments.TakeNumber("left", 0, INT32_MAX)) options.left = static_cast<std::int32_t>(*left);
    if (const auto right = arguments.TakeNumber("right", 0, INT32_MAX))
        options.right = static_cast<std::int32_t>(*right);
    return options;
}

CSlicingSettings SliceOptions::Defaults() {
    CSlicingSettings settings;
    settings.sensitivity = 500;
    settings.bars = 1;
    return settings;
}

void SliceOptions::ApplyTo(CLoopDocument& document) const {
    CSlicingSettings& settings = document.Settings();
    if (sensitivity) settings.sensitivity = static_cast<std::int16_t>(*sensitivity);
    if (bars) settings.bars = static_cast<std::int16_t>(*bars);
    if (beats) settings.beats = static_cast<std::int16_t>(*beats);
    if (signature) settings.signature = static_cast<std::int16_t>(*signature);
    WAVE_SAMPLE& sound = document.Sound();
    sound.SetLoop(left.value_or(sound.LoopStart()), right.value_or(sound.LoopEnd()), true);
    document.ApplySensitivity();
}
