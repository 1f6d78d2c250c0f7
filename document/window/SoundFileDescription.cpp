#include "document/window/SoundFileDescription.h"

#include <cstdint>

#include "sound/SampleFormatting.h"

std::string DescribeSoundFile(const std::string& name, const SoundFileInfo& info)
{
    const char* channels = info.channels == 1 ? "Mono" : info.channels == 2 ? "Stereo" : "Multichannel";
    const std::uint64_t milliseconds =
        info.sampleRate == 0 ? 0 : std::uint64_t{info.frameCount} * 1000 / info.sampleRate;
    std::string length = FormatMilliseconds(static_cast<std::uint32_t>(milliseconds));
    length.erase(0, length.find_first_not_of(' '));
    return name + ": " + std::to_string(info.bitsPerSample) + "-bit " + channels + ", " +
           FormatSampleRate(info.sampleRate) + ", " + length + " s";
}

bool AutoPlayAllowed(const SoundFileInfo& info)
{
    return std::uint64_t{info.frameCount} <= std::uint64_t{kAutoPlaySeconds} * info.sampleRate;
}
