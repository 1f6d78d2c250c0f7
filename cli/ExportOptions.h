#pragma once
// The options of the export command: the settings of the render
// (RenderOptions), the slice file type and name, and what to write. Outputs are named one by one for a
// single input, or with --out-dir per input: DIR/NAME.qlt, DIR/NAME.slx,
// DIR/NAME.mid, the slice files in DIR/NAME/, DIR/NAME-marked.wav, the SFZ
// kit in DIR/NAME-sfz/, DIR/NAME.sf2, DIR/NAME.trk and the SampleCell
// instrument with its slice files in DIR/NAME-SampleCell/.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cli/RenderOptions.h"

namespace CLI {
class App;
class Option;
}

class CFileType;

// Where one input's outputs go.
struct ExportTargets {
    std::optional<std::string> save;
    std::optional<std::string> slx;
    std::optional<std::string> midi;
    std::optional<std::string> slicesFolder;
    std::optional<std::string> marked;     // the whole loop with slice markers
    std::optional<std::string> sfzFolder;  // the SFZ kit
    std::string sliceBase;  // empty: the sound's name
    std::optional<std::string> soundFont;
    std::optional<std::string> mixman;
    std::optional<std::string> sampleCellFolder;
};

class ExportOptions {
public:
    // outDir tells whether the command line has --out-dir: then --save,
    // --slx, --midi and --slices take no value.
    void Define(CLI::App& command, bool outDir);
    // CliUsageError for outputs that do not fit the inputs.
    void Check(std::size_t inputCount) const;

    ExportTargets TargetsFor(const std::string& input) const;
    const RenderOptions& Render() const { return render_; }
    const CFileType& SliceType() const;
    bool Force() const { return force_; }
    // The SoundFont bank's name when given, else nothing (the sound's name).
    std::optional<std::string> BankName() const;
    // The SampleCell template instrument when given.
    std::optional<std::string> SampleCellTemplate() const;
    bool HasOutDir() const { return !outDir_.empty(); }
    const std::string& OutDir() const { return outDir_; }

private:
    bool Given(const CLI::Option* option) const;

    std::string save_;
    std::string slx_;
    std::string midi_;
    std::string slices_;
    std::string marked_;
    std::string sfz_;
    std::string outDir_;
    std::string type_ = "aiff";
    std::string base_;
    RenderOptions render_;
    bool force_ = false;
    std::string soundFont_;
    std::string mixman_;
    std::string sampleCell_;
    std::string bankName_;
    std::string template_;
    CLI::Option* soundFontOption_ = nullptr;
    CLI::Option* mixmanOption_ = nullptr;
    CLI::Option* sampleCellOption_ = nullptr;
    CLI::Option* bankNameOption_ = nullptr;
    CLI::Option* templateOption_ = nullptr;
    CLI::Option* saveOption_ = nullptr;
    CLI::Option* slxOption_ = nullptr;
    CLI::Option* midiOption_ = nullptr;
    CLI::Option* slicesOption_ = nullptr;
    CLI::Option* markedOption_ = nullptr;
    CLI::Option* sfzOption_ = nullptr;
};
