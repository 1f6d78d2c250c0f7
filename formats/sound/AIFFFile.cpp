#include "formats/sound/AIFFFile.h"

#include "formats/sound/CAIFFReader.h"
#include "formats/sound/CAIFFWriter.h"
#include "formats/sound/SoundFrames.h"
#include "formats/sound/SoundSampleWriting.h"
#include "framework/exceptions/GeneralExceptions.h"
#include "framework/streams/CSafeSaveFile.h"
#include "sound/CWaveSample.h"
#include "sound/WAVE_SAMPLE.h"

namespace {

void WriteMonoAIFF(CMedia& stream, const WAVE_SAMPLE& sample, const char* signature, const void* data,
                   std::int64_t size) {
    CAIFFWriter writer(stream);
    writer.BeginForm("FORM", "AIFF");
    writer.WriteCOMM(1, sample.Frames(), sample.Rate());
    writer.BeginSSND();
    WriteSoundSamples(writer, sample);
    writer.EndChunk();
    writer.WriteINST(false, 0, 0);  // sounds carry no pitch information
    writer.WriteMARK(sample.LoopStart(), sample.LoopEnd());
    if (signature) writer.WriteAPPL(signature, data, size);
    writer.EndForm();
}

}  // namespace

void WriteAIFF(const CFileSpec& file, const WAVE_SAMPLE& sample) {
    CSafeSaveFile stream(file);
    WriteMonoAIFF(stream, sample, nullptr, nullptr, 0);
    stream.Commit();
}

void WriteAIFF(CMedia& stream, const WAVE_SAMPLE& sample) { WriteMonoAIFF(stream, sample, nullptr, nullptr, 0); }

void WriteAIFF(const CFileSpec& file, const WAVE_SAMPLE& sample, const char* signature, const void* data,
               std::int64_t size) {
    CSafeSaveFile stream(file);
    WriteMonoAIFF(stream, sample, signature, data, size);
    stream.Commit();
}

void WriteStereoAIFF(const CFileSpec& file, std::uint32_t rate, const std::vector<std::int16_t>& interleaved) {
    CSafeSaveFile stream(file);
    CAIFFWriter writer(stream);
    writer.BeginForm("FORM", "AIFF");
    writer.WriteCOMM(2, static_cast<std::uint32_t>(interleaved.size() / 2), rate);
    writer.BeginSSND();
    writer.WriteSamples(interleaved.data(), static_cast<std::int64_t>(interleaved.size() / 2 * 2));
    writer.EndChunk();
    writer.EndForm();
    stream.Commit();
}

void ReadAIFFInfo(CMedia& stream, SoundFileInfo& info) { info = CAIFFReader(stream).ReadInfo(); }

std::unique_ptr<CWaveSample> ReadAIFF(CMedia& stream, const char* name, ChannelChoice channel) {
    CAIFFReader reader(stream);
    SoundFileInfo info = reader.ReadInfo();
    if (!info.supported) throw XUnsupportedFormat();
    const SoundData data = info.frameCount > 0 ? reader.FindSoundData() : SoundData{};
    info.frameCount = FramesHeld(stream, info, data);
    return ReadSoundFrames(stream, info, data, name, channel);
}
