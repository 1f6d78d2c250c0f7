#include "devices/sound/CRtAudioOutput.h"

#include <RtAudio.h>
#include <cstring>

#include "devices/sound/CRegisteredSoundCard.h"
#include "devices/sound/CSoundQueue.h"
#include "framework/exceptions/DeviceExceptions.h"

namespace {

constexpr unsigned int kDeviceBufferFrames = 256;

[[noreturn]] void ThrowOpenFailure(const RtAudioError& error)
{
    switch (error.getType()) {
    case RtAudioError::INVALID_DEVICE:
    case RtAudioError::NO_DEVICES_FOUND:
        throw ZDS_DIRECT_SOUND_CREATE_FAILED_EXCEPTION();
    case RtAudioError::INVALID_PARAMETER:
        throw ZDS_SET_FORMAT_PRIMARY_FAILED_EXCEPTION();
    default:
        throw ZDIRECT_SOUND_EXCEPTION();
    }
}

}  // namespace

CRtAudioOutput::CRtAudioOutput(int api, const std::string& device, std::uint32_t rate, std::uint16_t channels)
    : fChannels(channels)
{
    try {
        fAudio = std::make_unique<RtAudio>(static_cast<RtAudio::Api>(api));
    } catch (const RtAudioError&) {
        throw ZDS_NOT_INSTALLED_EXCEPTION();
    }
    fAudio->showWarnings(false);
    try {
        // Device numbers move when devices come and go; the name does not.
        const unsigned int count = fAudio->getDeviceCount();
        unsigned int id = count;
        for (unsigned int i = 0; i < count && id == count; ++i) {
            const RtAudio::DeviceInfo info = fAudio->getDeviceInfo(i);
            if (info.probed && info.name.substr(0, CRegisteredSoundCard::kNameLength) == device)
                id = i;
        }
        if (id == count)
            throw ZDS_DIRECT_SOUND_CREATE_FAILED_EXCEPTION();
        RtAudio::StreamParameters parameters;
        parameters.deviceId = id;
        parameters.nChannels = channels;
        RtAudio::StreamOptions options;
        options.streamName = "Quillet";
        options.flags = RTAUDIO_SCHEDULE_REALTIME;
        unsigned int bufferFrames = kDeviceBufferFrames;
        fAudio->openStream(&parameters, nullptr, RTAUDIO_SINT16, rate, &bufferFrames, &CRtAudioOutput::Callback, this,
                           &options);
    } catch (const RtAudioError& error) {
        ThrowOpenFailure(error);
    }
}

CRtAudioOutput::~CRtAudioOutput()
{
    Stop();
    try {
        if (fAudio->isStreamOpen())
            fAudio->closeStream();
    } catch (const RtAudioError&) {
        // The device is gone; nothing is left to release.
    }
}

void CRtAudioOutput::Start(CSoundQueue& queue)
{
    fQueue.store(&queue);
    try {
        fAudio->startStream();
    } catch (const RtAudioError&) {
        fQueue.store(nullptr);
        throw ZDIRECT_SOUND_EXCEPTION();
    }
}

void CRtAudioOutput::Stop()
{
    try {
        if (fAudio->isStreamRunning())
            fAudio->stopStream();
    } catch (const RtAudioError&) {
        // A stream that cannot be stopped has stopped on its own.
    }
    fQueue.store(nullptr);
}

int CRtAudioOutput::Callback(void* buffer, void*, unsigned int frames, double, unsigned int, void* self)
{
    auto* out = static_cast<std::int16_t*>(buffer);
    const auto* owner = static_cast<CRtAudioOutput*>(self);
    CSoundQueue* queue = owner->fQueue.load();
    if (queue)
        queue->Take(out, frames);
    else
        std::memset(out, 0, std::size_t{frames} * owner->fChannels * sizeof(std::int16_t));
    return 0;
}
