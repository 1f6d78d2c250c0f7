#include "formats/sound/SoundFrames.h"

#include "framework/exceptions/GeneralExceptions.h"
#include "framework/streams/CMedia.h"
#include "sound/CWaveSample.h"
#include "sound/ChannelExtraction.h"

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

}  // namespace

std::unique_ptr<CWaveSample> ReadSoundFrames(CMedia& media, const SoundFileInfo& info, const SoundData& data,
                                             const char* name, ChannelChoice choice) {
    if (!info.supported) throw XUnsupportedFormat();
    const std::int64_t bytes = std::int64_t{info.frameCount} * info.channels * 2;
    if (bytes > data.size || data.offset < 0 || data.offset + bytes > media.GetSize()) throw XBadFormat();

    auto sound = std::make_unique<CWaveSample>(name, info.sampleRate, info.frameCount);
    if (info.frameCount > 0) {
        media.SetPosition(data.offset);
        ExtractChannel(media, info.frameCount, info.channels, 2, ChannelIndex(choice, info.channels),
                       !data.littleEndian, sound->Data());
    }
    return sound;
}
