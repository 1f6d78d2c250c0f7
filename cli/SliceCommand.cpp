#include "cli/SliceCommand.h"

#include <cstdio>
#include <string>

#include "cli/SlicedLoop.h"
#include "formats/sound/SoundFileOpen.h"
#include "slicing/Tempo.h"
#include "sound/SampleFormatting.h"

namespace {

const char* const kStateNames[] = {"normal", "hidden", "locked"};
const char* const kSignatureNames[] = {"2/4", "3/4", "4/4", "5/4", "6/8", "7/8"};

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

void PrintJson(const SlicedLoop& loop, std::ostream& out) {
    const CSliceList& slices = loop.Slices();
    out << "{\"name\": " << JsonString(loop.Sound().Name()) << ", \"rate\": " << loop.Sound().Rate()
        << ", \"frames\": " << loop.Sound().Frames() << ", \"left\": " << loop.Sound().LoopStart()
        << ", \"right\": " << loop.Sound().LoopEnd() << ", \"sensitivity\": " << loop.Settings().sensitivity
        << ", \"threshold\": " << slices.Threshold() << ", \"tempo\": " << loop.Tempo() << ", \"slices\": [";
    for (int i = 0; i < slices.Count(); ++i) {
        const CSlice& slice = slices.Entry(i);
        out << (i ? ", " : "") << "{\"position\": " << slice.position << ", \"level\": " << slice.level
            << ", \"state\": " << slice.state << ", \"shown\": " << (slice.shown ? "true" : "false")
            << ", \"counted\": " << (slice.IsCounted() ? "true" : "false") << "}";
    }
    out << "]}\n";
}

// Where a frame falls in the loop as bar.beat.sixteenth, counted from 1;
// blank outside the locators or without a musical length.
std::string MusicalPosition(const SlicedLoop& loop, std::uint32_t position) {
    const std::int64_t left = loop.Sound().LoopStart();
    const std::int64_t right = loop.Sound().LoopEnd();
    const std::int64_t loopTicks = LoopTicks(loop.Settings().bars, loop.Settings().beats, loop.Settings().signature);
    if (loopTicks <= 0 || position < left || position >= right) return "";
    const TimeSignature signature = TimeSignatureOf(loop.Settings().signature);
    const std::int64_t beatTicks = 4 * kTicksPerQuarter / signature.denominator;
    const std::int64_t barTicks = beatTicks * signature.numerator;
    // Rounded to the nearest sixteenth, the grid a musician counts in.
    const std::int64_t sixteenth = kTicksPerQuarter / 4;
    const std::int64_t ticks =
        (FramesToTicks(position - left, loopTicks, right - left) + sixteenth / 2) / sixteenth * sixteenth;
    char text[64];
    std::snprintf(text, sizeof text, "%lld.%lld.%lld", static_cast<long long>(ticks / barTicks + 1),
                  static_cast<long long>(ticks % barTicks / beatTicks + 1),
                  static_cast<long long>(ticks % beatTicks / sixteenth + 1));
    return text;
}

void PrintTable(const SlicedLoop& loop, std::ostream& out) {
    const WAVE_SAMPLE& sound = loop.Sound();
    const CSliceList& slices = loop.Slices();
    const std::int32_t tempo = loop.Tempo();
    const auto seconds = [&sound](std::int64_t frames) {
        const std::string text = FormatMilliseconds(static_cast<std::uint32_t>(frames * 1000 / sound.Rate()));
        return text.substr(text.find_first_not_of(' '));
    };
    out << sound.Name() << ": " << FormatSampleRate(sound.Rate()) << ", " << sound.Frames() << " frames ("
        << seconds(sound.Frames()) << " s)\n"
        << "loop:  frames " << sound.LoopStart() << " to " << sound.LoopEnd() << ", " << loop.Settings().bars
        << " bar(s) " << loop.Settings().beats << " beat(s) of " << kSignatureNames[loop.Settings().signature] << "\n"
        << "tempo: " << (tempo ? FormatTempo(tempo) : "unknown (give --bars or --beats)") << "\n"
        << "sensitivity " << loop.Settings().sensitivity << " (threshold " << slices.Threshold() << "): "
        << slices.CountOf(SliceFilter::kCounted) << " slices from " << slices.Count() << " attacks\n\n";

    char line[128];
    std::snprintf(line, sizeof line, "%5s %10s %9s %8s %6s %7s %6s %7s\n", "#", "position", "time", "at", "level",
                  "state", "shown", "counted");
    out << line;
    for (int i = 0; i < slices.Count(); ++i) {
        const CSlice& slice = slices.Entry(i);
        std::snprintf(line, sizeof line, "%5d %10u %9s %8s %6d %7s %6s %7s\n", i + 1, slice.position,
                      seconds(slice.position).c_str(), MusicalPosition(loop, slice.position).c_str(), slice.level,
                      kStateNames[slice.state], slice.shown ? "yes" : "no", slice.IsCounted() ? "yes" : "no");
        out << line;
    }
}

int RunSlice(CliArguments& arguments, std::ostream& out) {
    const SliceOptions options = SliceOptions::Take(arguments);
    const bool json = arguments.TakeFlag("json");
    const SlicedLoop loop = SlicedLoop::Load(arguments.TakeFile(), options);
    if (json)
        PrintJson(loop, out);
    else
        PrintTable(loop, out);
    return 0;
}

}  // namespace

const CliCommand kSliceCommand = {"slice", "FILE [options] [--json]", RunSlice, SoundFileAlert};
