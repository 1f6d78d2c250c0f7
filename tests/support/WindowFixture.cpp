#include "tests/support/WindowFixture.h"

std::unique_ptr<CLoopDocument> MakeLoop(std::uint32_t frames, std::initializer_list<std::uint32_t> points,
                                        const char* name)
{
    auto sound = std::make_unique<WAVE_SAMPLE>(name, 44100, frames);
    for (std::uint32_t i = 0; i < frames; ++i)
        sound->Samples().WriteSample(i, static_cast<std::int16_t>((i / 100) % 2 ? -(1 + i % 100) : 1 + i % 100));
    auto document = std::make_unique<CLoopDocument>(std::move(sound), CSlicingSettings{});
    for (const std::uint32_t point : points) {
        CSlice* slice = document->Slices().Insert(point);
        slice->state = CSlice::kLocked;
        slice->level = 16384;
    }
    document->ApplySensitivity();
    return document;
}

bool NextToSignChange(const WAVE_SAMPLE& sound, std::int64_t position)
{
    const auto negative = [&sound](std::int64_t i) { return sound.Sample(static_cast<std::uint32_t>(i)) < 0; };
    return negative(position - 1) != negative(position) || negative(position) != negative(position + 1);
}

std::filesystem::path ScratchPath(const char* name)
{
    const auto folder = std::filesystem::path(QUILLET_BINARY_DIR) / "docwin-test-files";
    std::filesystem::create_directories(folder);
    const auto path = folder / name;
    std::filesystem::remove(path);
    return path;
}
