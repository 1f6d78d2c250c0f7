// Exporting a minute-long loop cut into 1000 slices as 1000 WAV files, on the
// disk of the build folder: the export as the program does it (temporaries
// flushed together, renamed, the folder flushed once) beside every file saved
// and flushed on its own. Wall time counts: the flushes wait for the disk.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

#include "document/export/CABCExportFeedback.h"
#include "document/export/CLoopDocument.h"
#include "document/export/ExportSlices.h"
#include "document/export/SliceFileName.h"
#include "formats/sound/WAVFile.h"
#include "framework/files/CFileSpec.h"
#include "framework/files/FileTypes.h"
#include "slicing/CSliceRenderSet.h"

namespace {

constexpr std::uint32_t kRate = 44100;
constexpr std::uint32_t kSlices = 1000;
constexpr std::uint32_t kSliceFrames = 60 * kRate / kSlices;

class ReplaceEverything : public CABCExportFeedback {
public:
    bool AcceptFirstSlices(ExportKind, int) override { return true; }
    ReplaceAnswer AskReplace(const std::string&) override { return ReplaceAnswer::kReplaceAll; }
};

// A minute of a saw wave with a locked slice point every kSliceFrames frames.
std::unique_ptr<CLoopDocument> ThousandSliceLoop() {
    auto sound = std::make_unique<WAVE_SAMPLE>("Funky", kRate, kSlices * kSliceFrames);
    for (std::uint32_t i = 0; i < sound->Frames(); ++i)
        sound->Samples().WriteSample(i, static_cast<std::int16_t>((i * 97) % 20000 - 10000));
    CSlicingSettings settings;
    settings.bars = 16;
    auto document = std::make_unique<CLoopDocument>(std::move(sound), settings);
    for (std::uint32_t k = 0; k < kSlices; ++k) {
        CSlice* slice = document->Slices().Insert(k * kSliceFrames);
        slice->state = CSlice::kLocked;
        slice->level = 16384;
    }
    document->ApplySensitivity();
    return document;
}

// A fresh folder on the build folder's disk (not a memory file system).
class ExportFolder {
public:
    ExportFolder() : path_(std::filesystem::path(QUILLET_BINARY_DIR) / ("slice-export-bench-" + std::to_string(getpid()))) {}
    ~ExportFolder() { std::filesystem::remove_all(path_); }
    const std::filesystem::path& Reset() {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
        ::sync();
        return path_;
    }

private:
    std::filesystem::path path_;
};

void Files(benchmark::State& state) {
    state.counters["files"] = benchmark::Counter(kSlices, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_ExportThousandSliceFiles(benchmark::State& state) {
    const auto document = ThousandSliceLoop();
    ExportFolder folder;
    ReplaceEverything feedback;
    for (auto _ : state) {
        state.PauseTiming();
        const CFileSpec file((folder.Reset() / "Funky.wav").string());
        CSliceRenderSet renderSet(document->Sound(), document->Slices(), document->Settings());
        state.ResumeTiming();
        ExportSlices(renderSet, file, kWaveFileType, 0, kRate, std::nullopt, kSliceNameLimit, feedback);
    }
    Files(state);
}
BENCHMARK(BM_ExportThousandSliceFiles)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// The same files, each written by its own safe save with its own flushes.
void BM_ThousandSliceFilesEachFlushed(benchmark::State& state) {
    const auto document = ThousandSliceLoop();
    ExportFolder folder;
    for (auto _ : state) {
        state.PauseTiming();
        const std::filesystem::path path = folder.Reset() / "Funky.wav";
        CSliceRenderSet renderSet(document->Sound(), document->Slices(), document->Settings());
        renderSet.SetTargetRate(kRate);
        state.ResumeTiming();
        for (int i = 0; i < renderSet.Count(); ++i)
            WriteWAV(CFileSpec(SliceFileName(path, i, ".wav", kSliceNameLimit).string()), *renderSet.Render(i));
    }
    Files(state);
}
BENCHMARK(BM_ThousandSliceFilesEachFlushed)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
