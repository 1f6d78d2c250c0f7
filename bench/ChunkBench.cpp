// Chunk walks over many chunks, and saving a file safely.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <vector>

#include "formats/chunks/CIFFReader.h"
#include "formats/chunks/CIFFReader2.h"
#include "formats/chunks/CIFFWriter.h"
#include "framework/files/CFileSpec.h"
#include "framework/streams/CMemoryMedia.h"
#include "framework/streams/CSafeSaveFile.h"

namespace {

constexpr std::int64_t kChunkCount = 1000;
constexpr std::int64_t kChunkData = 16;

// A FORM of kChunkCount chunks "c000" ... with a final chunk "last".
CMemoryMedia& ManyChunks()
{
    static CMemoryMedia media(12 + (kChunkCount + 1) * (8 + kChunkData));
    static bool written = false;
    if (!written) {
        CIFFWriter writer(media);
        const std::uint8_t data[kChunkData] = {};
        writer.BeginForm("FORM", "TEST");
        for (std::int64_t i = 0; i < kChunkCount; ++i)
            writer.WriteChunk("cccc", data, kChunkData);
        writer.WriteChunk("last", data, kChunkData);
        writer.EndForm();
        written = true;
    }
    return media;
}

void BM_FlatFindLastChunk(benchmark::State& state)
{
    CIFFReader reader(ManyChunks());
    std::uint32_t size = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(reader.FindChunk("last", size));
    state.SetItemsProcessed(state.iterations() * (kChunkCount + 1));
}
BENCHMARK(BM_FlatFindLastChunk);

void BM_NestingFindLastChunk(benchmark::State& state)
{
    CIFFReader2 outer(ManyChunks(), ChunkByteOrder::kBigEndian);
    CIFFChunkInfo form;
    outer.ReadFirst(form);
    CIFFReader2 reader(outer, form);
    CIFFChunkInfo found;
    for (auto _ : state)
        benchmark::DoNotOptimize(reader.FindChunk("last", found));
    state.SetItemsProcessed(state.iterations() * (kChunkCount + 1));
}
BENCHMARK(BM_NestingFindLastChunk);

void BM_SafeSave(benchmark::State& state)
{
    const std::vector<std::uint8_t> data(static_cast<std::size_t>(state.range(0)), 0x5A);
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "quillet-bench-save.bin";
    for (auto _ : state) {
        CSafeSaveFile file{CFileSpec(path.string())};
        file.Write(static_cast<std::int64_t>(data.size()), data.data());
        file.Commit();
    }
    std::filesystem::remove(path);
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SafeSave)->Arg(64 << 10)->Arg(8 << 20)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
