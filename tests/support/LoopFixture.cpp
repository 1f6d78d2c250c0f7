#include "tests/support/LoopFixture.h"

std::int16_t SampleAt(std::uint32_t i) { return static_cast<std::int16_t>((i * 37u) % 4001u) - 2000; }

std::unique_ptr<CLoopDocument> MakeLoop(std::uint32_t frames, std::uint32_t rate,
                                        const std::vector<std::uint32_t>& slicePositions) {
    auto sound = std::make_unique<WAVE_SAMPLE>("Funky", rate, frames);
    for (std::uint32_t i = 0; i < frames; ++i) sound->Samples().WriteSample(i, SampleAt(i));
    CSlicingSettings settings;
    settings.bars = 1;
    settings.signature = 2;
    auto document = std::make_unique<CLoopDocument>(std::move(sound), settings);
    for (std::uint32_t position : slicePositions) {
        CSlice* slice = document->Slices().Insert(position);
        slice->state = CSlice::kLocked;
        slice->level = 16384;
    }
    document->ApplySensitivity();
    return document;
}
