#include "cli/SliceReport.h"

#include <cstdio>
#include <optional>

#include "cli/SlicedLoop.h"
#include "slicing/Tempo.h"
#include "sound/SampleFormatting.h"

namespace {

const char* const kStateNames[] = {"normal", "hidden", "locked"};
const char* const kSignatureNames[] = {"2/4", "3/4", "4/4", "5/4", "6/8", "7/8"};

// Where a frame falls in the loop as bar.beat.sixteenth, counted from 1;
// nothing outside the locators or without a musical length.
std::optional<std::string> MusicalPosition(const SlicedLoop& loop, std::uint32_t position) {
    const std::int64_t left = loop.Sound().LoopStart();
    const std::int64_t right = loop.Sound().LoopEnd();
    const std::int64_t loopTicks = LoopTicks(loop.Settings().bars, loop.Settings().beats, loop.Settings().signature);
    if (loopTicks <= 0 || position < left || position >= right) return std::nullopt;
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

double Seconds(const SlicedLoop& loop, std::int64_t frames) {
    return static_cast<double>(frames * 1000 / loop.Sound().Rate()) / 1000.0;
}

}  // namespace

nlohmann::ordered_json SliceJson(const std::string& file, const SlicedLoop& loop) {
    const CSliceList& slices = loop.Slices();
    nlohmann::ordered_json json;
    json["schema"] = kSliceJsonSchema;
    json["file"] = file;
    json["name"] = loop.Sound().Name();
    json["rate"] = loop.Sound().Rate();
    json["frames"] = loop.Sound().Frames();
    json["channels"] = loop.file.channels;
    json["bits"] = loop.file.bitsPerSample;
    json["channel"] = loop.channel;
    json["left"] = loop.Sound().LoopStart();
    json["right"] = loop.Sound().LoopEnd();
    json["sensitivity"] = loop.Settings().sensitivity;
    json["threshold"] = slices.Threshold();
    json["bars"] = loop.Settings().bars;
    json["beats"] = loop.Settings().beats;
    json["signature"] = kSignatureNames[loop.Settings().signature];
    json["tempo"] = loop.Tempo();
    json["bpm"] = loop.Tempo() / 1000.0;
    json["slices"] = nlohmann::ordered_json::array();
    for (int i = 0; i < slices.Count(); ++i) {
        const CSlice& slice = slices.Entry(i);
        const std::optional<std::string> at = MusicalPosition(loop, slice.position);
        json["slices"].push_back({{"position", slice.position},
                                  {"level", slice.level},
                                  {"state", slice.state},
                                  {"shown", slice.shown != 0},
                                  {"counted", slice.IsCounted()},
                                  {"end", slices.End(i)},
                                  {"seconds", Seconds(loop, slice.position)},
                                  {"at", at ? nlohmann::ordered_json(*at) : nlohmann::ordered_json()}});
    }
    return json;
}

std::string SliceTable(const SlicedLoop& loop) {
    const WAVE_SAMPLE& sound = loop.Sound();
    const CSliceList& slices = loop.Slices();
    const std::int32_t tempo = loop.Tempo();
    const auto seconds = [&sound](std::int64_t frames) {
        const std::string text = FormatMilliseconds(static_cast<std::uint32_t>(frames * 1000 / sound.Rate()));
        return text.substr(text.find_first_not_of(' '));
    };
    std::string out = std::string(sound.Name()) + ": " + FormatSampleRate(sound.Rate()) + ", " +
                      std::to_string(sound.Frames()) + " frames (" + seconds(sound.Frames()) + " s)\n" +
                      "loop:  frames " + std::to_string(sound.LoopStart()) + " to " + std::to_string(sound.LoopEnd()) +
                      ", " + std::to_string(loop.Settings().bars) + " bar(s) " + std::to_string(loop.Settings().beats) +
                      " beat(s) of " + kSignatureNames[loop.Settings().signature] + "\n" +
                      "tempo: " + (tempo ? FormatTempo(tempo) : "unknown (give --bars or --beats)") + "\n" +
                      "sensitivity " + std::to_string(loop.Settings().sensitivity) + " (threshold " +
                      std::to_string(slices.Threshold()) + "): " + std::to_string(slices.CountOf(SliceFilter::kCounted)) +
                      " slices from " + std::to_string(slices.Count()) + " attacks\n\n";
    char line[128];
    std::snprintf(line, sizeof line, "%5s %10s %9s %8s %6s %7s %6s %7s\n", "#", "position", "time", "at", "level",
                  "state", "shown", "counted");
    out += line;
    for (int i = 0; i < slices.Count(); ++i) {
        const CSlice& slice = slices.Entry(i);
        std::snprintf(line, sizeof line, "%5d %10u %9s %8s %6d %7s %6s %7s\n", i + 1, slice.position,
                      seconds(slice.position).c_str(), MusicalPosition(loop, slice.position).value_or("").c_str(),
                      slice.level, kStateNames[slice.state], slice.shown ? "yes" : "no",
                      slice.IsCounted() ? "yes" : "no");
        out += line;
    }
    return out;
}
