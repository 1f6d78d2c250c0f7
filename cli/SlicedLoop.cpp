#include "cli/SlicedLoop.h"

#include "document/analysis/Tempo.h"
#include "document/buffer/CWaveSample.h"
#include "formats/sound/SoundFileOpen.h"
#include "framework/exceptions/GeneralExceptions.h"

std::int32_t SlicedLoop::Tempo() const {
    return TempoFromLength(sound->Rate(), LoopTicks(settings.bars, settings.beats, settings.signature),
                           sound->LoopStart(), sound->LoopEnd());
}

SlicedLoop SlicedLoop::Load(const std::string& path, const SliceOptions& options) {
    SlicedLoop loop;
    loop.sound = OpenSoundFile(path, options.channel)->MakeDocumentSound();
    const auto frames = static_cast<std::int32_t>(loop.sound->Frames());
    loop.sound->SetLoop(options.left.value_or(0), options.right.value_or(frames), true);

    loop.settings.sensitivity = static_cast<std::int16_t>(options.sensitivity);
    loop.settings.bars = static_cast<std::int16_t>(options.bars);
    loop.settings.beats = static_cast<std::int16_t>(options.beats);
    loop.settings.signature = static_cast<std::int16_t>(options.signature);

    loop.slices = std::make_unique<CSliceList>();
    if (!loop.slices->Analyse(*loop.sound)) throw XInternalError();
    loop.slices->ApplyThreshold(loop.settings.Threshold());
    loop.slices->ClearDirty();
    return loop;
}
