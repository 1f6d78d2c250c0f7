#pragma once
// The options that every command which slices a loop shares:
// --channel left|right|mix, --sensitivity S, --bars B, --beats N,
// --signature 2/4|3/4|4/4|5/4|6/8|7/8, --left FRAME, --right FRAME.
#include <cstdint>
#include <optional>

#include "cli/CliArguments.h"
#include "formats/sound/ChannelChoice.h"
#include "slicing/CSlicingSettings.h"

class CLoopDocument;

struct SliceOptions {
    // Shown in the usage line of every command that takes them.
    static constexpr const char* kUsage =
        "[--channel left|right|mix] [--sensitivity S] [--bars B] [--beats N] "
        "[--signature 2/4|3/4|4/4|5/4|6/8|7/8] [--left FRAME] [--right FRAME]";

    ChannelChoice channel = ChannelChoice::Left;
    // Absent: the document's stored value, or for a sound the Defaults().
    std::optional<std::int32_t> sensitivity;  // 0..990, rounded down to a multiple of 10
    std::optional<std::int32_t> bars;         // 0..666
    std::optional<std::int32_t> beats;        // 0..7
    std::optional<std::int32_t> signature;    // index into 2/4, 3/4, 4/4, 5/4, 6/8, 7/8
    std::optional<std::int32_t> left;   // left locator; the start of the sound when absent
    std::optional<std::int32_t> right;  // right locator; the end of the sound when absent

    // Takes the slicing options out of arguments. CliUsageError for a bad value.
    static SliceOptions Take(CliArguments& arguments);

    // The settings a sound starts with: sensitivity 500, 1 bar of 4/4.
    static CSlicingSettings Defaults();
    // Sets the options that were given on the document: settings, locators
    // (clamped into the sound; an empty or reversed range becomes the whole
    // sound) and the sensitivity's threshold.
    void ApplyTo(CLoopDocument& document) const;
};
