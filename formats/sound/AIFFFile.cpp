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

// Markers 1 and 2 hold the loop; the INST sustain loop over them plays
// only when markers beyond them are given.
void WriteMonoAIFF(CMedia& stream, const WAVE_SAMPLE& sample, const char* signature, const void* data,
                   std::int64_t size, const std::vector<AIFFMarker>& moreMarkers = {}) {
    CAIFFWriter writer(stream);
    writer.BeginForm("FORM", "AIFF");
    writer.WriteCOMM(1, sample.Frames(), sample.Rate());
    writer.BeginSSND();
    WriteSoundSamples(writer, sample);
    writer.EndChunk();
    writer.WriteINST(false, 0, 0, !moreMarkers.empty());  // sounds carry no pitch information
    std::vector<AIFFMarker> markers{{1, static_cast<std::uint32_t>(sample.LoopStart()), "Loop start"},
                                    {2, static_cast<std::uint32_t>(sample.LoopEnd()), "Loop end"}};
    markers.insert(markers.end(), moreMarkers.begin(), moreMarkers.end());
    writer.WriteMARK(markers);
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

void WriteAIFF(const CFileSpec& file, const WAVE_SAMPLE& sample, const std::vector<AIFFMarker>& markers) {
    CSafeSaveFile stream(file);
    WriteMonoAIFF(stream, sample, nullptr, nullptr, 0, markers);
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
