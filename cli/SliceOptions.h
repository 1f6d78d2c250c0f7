#pragma once
// The options that every command which slices a loop shares: --channel,
// --sensitivity, --bars, --beats, --signature, --left, --right. An option
// not given leaves a document's stored value, or for a sound the default.
#include <cstdint>
#include <optional>
#include <string>

#include "formats/sound/ChannelChoice.h"
#include "slicing/CSlicingSettings.h"

namespace CLI {
class App;
class Option;
}

class CLoopDocument;

class SliceOptions {
public:
    // Adds the options, each with its range and default, to command.
    void Define(CLI::App& command);
    // CliUsageError for values that do not go together (--left not before --right).
    void Check() const;

    ChannelChoice Channel() const;

    // The settings a sound starts with: sensitivity 500, 1 bar of 4/4.
    static CSlicingSettings Defaults();
    // Sets the options that were given on the document: settings, locators
    // and the sensitivity's threshold. CliUsageError when a locator lies
    // past the end of its sound or the locators are not in order.
    void ApplyTo(CLoopDocument& document) const;

private:
    std::optional<std::int32_t> Given(const CLI::Option* option, std::int32_t value) const;

    std::string channel_ = "left";
    std::int32_t sensitivity_ = 500;
    std::int32_t bars_ = 1;
    std::int32_t beats_ = 0;
    std::string signature_ = "4/4";
    std::int64_t left_ = 0;
    std::int64_t right_ = 0;
    CLI::Option* sensitivityOption_ = nullptr;
    CLI::Option* barsOption_ = nullptr;
    CLI::Option* beatsOption_ = nullptr;
    CLI::Option* signatureOption_ = nullptr;
    CLI::Option* leftOption_ = nullptr;
    CLI::Option* rightOption_ = nullptr;
};
