#include "cli/InfoCommand.h"

#include <cinttypes>
#include <cstdio>

#include "formats/sound/SoundFileOpen.h"
#include "framework/exceptions/GeneralExceptions.h"
#include "framework/files/CFileSpec.h"
#include "framework/streams/COpenFile.h"
#include "sound/SampleFormatting.h"

namespace {

int RunInfo(CliArguments& arguments, std::ostream& out) {
    const CFileSpec file(arguments.TakeFile());
    if (!FileExists(file)) throw XFileNotFound();
    COpenFile stream(file);
    const SoundFileInfo info = ReadSoundFileInfo(stream);

    const std::uint64_t milliseconds = std::uint64_t{info.frameCount} * 1000 / info.sampleRate;
    char length[32];
    std::snprintf(length, sizeof length, "%" PRIu64 ".%03" PRIu64 " s", milliseconds / 1000, milliseconds % 1000);
    out << "name:     " << file.NameWithExtension() << '\n'
        << "rate:     " << info.sampleRate << " Hz (" << FormatSampleRate(info.sampleRate) << ")\n"
        << "channels: " << info.channels
        << (info.channels == 1 ? " (mono)" : info.channels == 2 ? " (stereo)" : "") << '\n'
        << "bits:     " << info.bitsPerSample << '\n'
        << "frames:   " << info.frameCount << '\n'
        << "length:   " << length << '\n';
    return 0;
}

}  // namespace

const CliCommand kInfoCommand = {"info", "FILE", RunInfo, SoundFileAlert};
