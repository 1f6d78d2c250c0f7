#include "formats/sound/WAVFile.h"

#include "formats/sound/CWaveReader.h"
#include "formats/sound/CWaveWriter.h"
#include "formats/sound/SoundFrames.h"
#include "formats/sound/SoundSampleWriting.h"
#include "framework/streams/CSafeSaveFile.h"
#include "sound/CWaveSample.h"
#include "sound/WAVE_SAMPLE.h"

void WriteWAV(const CFileSpec& file, const WAVE_SAMPLE& sample) {
    CSafeSaveFile stream(file);
    WriteWAV(stream, sample);
    stream.Commit();
}

void WriteWAV(CMedia& stream, const WAVE_SAMPLE& sample) {
    CWaveWriter writer(stream);
    writer.BeginForm("RIFF", "WAVE");
    writer.WriteFmt(1, sample.Rate());
    if (sample.Frames() > 0) {
        writer.BeginChunk("data");
        WriteSoundSamples(writer, sample);
        writer.EndChunk();
    }
    writer.EndForm();
}

void ReadWAVInfo(CMedia& stream, SoundFileInfo& info) { info = CWaveReader(stream).ReadInfo(); }

std::unique_ptr<CWaveSample> ReadWAV(CMedia& stream, const char* name, ChannelChoice channel) {
    CWaveReader reader(stream);
    SoundFileInfo info = reader.ReadInfo();
    const SoundData data = reader.FindSoundData();
    info.frameCount = FramesHeld(stream, info, data);
    return ReadSoundFrames(stream, info, data, name, channel);
}
