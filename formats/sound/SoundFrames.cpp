#include "formats/sound/SoundFrames.h"

#include <algorithm>

#include "framework/exceptions/GeneralExceptions.h"
#include "framework/streams/CMedia.h"
#include "sound/ChannelExtraction.h"
#include "sound/CWaveSample.h"
#include "sound/WAVE_SAMPLE.h"

namespace {

int ChannelIndex(ChannelChoice choice, int channels) {
    if (channels < 2) return 0;
    switch (choice) {
        case ChannelChoice::Left: return 0;
        case ChannelChoice::Right: return 1;
        case ChannelChoice::Mix: return kMixChannels;
    }
    return 0;
}

std::int64_t FrameBytes(const SoundFileInfo& info) {
    return std::int64_t{info.channels} * ((info.bitsPerSample + 7) / 8);
}

// A reader of the chosen channel standing on the first frame. XUnsupportedFormat
// unless the samples are 16-bit; XBadFormat when the frames are not all there.
CChannelReader ChannelReaderAt(CMedia& media, const SoundFileInfo& info, const SoundData& data,
                               ChannelChoice choice) {
    if (!info.supported) throw XUnsupportedFormat();
    if (FramesHeld(media, info, data) < info.frameCount) throw XBadFormat();
    CChannelReader reader(info.channels, 2, ChannelIndex(choice, info.channels), !data.littleEndian);
    if (info.frameCount > 0) media.SetPosition(data.offset);
    return reader;
}

}  // namespace

std::uint32_t FramesHeld(CMedia& media, const SoundFileInfo& info, const SoundData& data) {
    const std::int64_t frameBytes = FrameBytes(info);
    if (frameBytes == 0 || data.offset < 0) return 0;
    const std::int64_t bytes = std::min(data.size, media.GetSize() - data.offset);
    return static_cast<std::uint32_t>(std::clamp<std::int64_t>(bytes / frameBytes, 0, info.frameCount));
}

std::unique_ptr<CWaveSample> ReadSoundFrames(CMedia& media, const SoundFileInfo& info, const SoundData& data,
                                             const char* name, ChannelChoice choice) {
    CChannelReader reader = ChannelReaderAt(media, info, data, choice);
    auto sound = std::make_unique<CWaveSample>(name, info.sampleRate, info.frameCount);
    reader.Read(media, info.frameCount, sound->Data());
    return sound;
}

std::unique_ptr<WAVE_SAMPLE> ReadDocumentSoundFrames(CMedia& media, const SoundFileInfo& info,
                                                     const SoundData& data, const char* name, ChannelChoice choice) {
    CChannelReader reader = ChannelReaderAt(media, info, data, choice);
    return std::make_unique<WAVE_SAMPLE>(name, info.sampleRate, info.frameCount,
                                         [&](std::uint8_t* page, std::uint32_t length, std::uint32_t) {
                                             reader.Read(media, length / 2, reinterpret_cast<std::int16_t*>(page));
                                         });
}
