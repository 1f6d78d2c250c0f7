#pragma once
// A five-minute 44.1 kHz 16-bit stereo AIFF loop, the longest a document
// takes: the demo pattern repeated, written once per run and removed after.
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "formats/sound/AIFFFile.h"
#include "framework/files/CFileSpec.h"
#include "slicing/synth/CDrumLoopSynthesizer.h"

class FiveMinuteLoop {
public:
    static constexpr std::uint32_t kRate = 44100;
    static constexpr std::uint32_t kFrames = 5 * 60 * kRate;

    FiveMinuteLoop()
        : path_(std::filesystem::temp_directory_path() / ("quillet-bench-loop-" + std::to_string(getpid()) + ".aif")) {
        const DrumLoop loop = CDrumLoopSynthesizer(kRate).RenderPattern(CDrumLoopSynthesizer::DemoPattern(), 120.0);
        const std::vector<std::int16_t> bars = loop.Interleaved();
        std::vector<std::int16_t> frames;
        frames.reserve(std::size_t{kFrames} * 2);
        while (frames.size() < std::size_t{kFrames} * 2) frames.insert(frames.end(), bars.begin(), bars.end());
        frames.resize(std::size_t{kFrames} * 2);
        WriteStereoAIFF(CFileSpec(path_.string()), kRate, frames);
    }
    ~FiveMinuteLoop() { std::filesystem::remove(path_); }
    FiveMinuteLoop(const FiveMinuteLoop&) = delete;
    FiveMinuteLoop& operator=(const FiveMinuteLoop&) = delete;

    std::string Path() const { return path_.string(); }

    // The one loop of the benchmark run.
    static const FiveMinuteLoop& Shared() {
        static const FiveMinuteLoop loop;
        return loop;
    }

private:
    std::filesystem::path path_;
};
