#include "formats/sound/SoundFileOpen.h"

#include <cerrno>
#include <cstring>
#include <new>

#include "formats/sound/CAIFFReader.h"
#include "formats/sound/CWaveReader.h"
#include "formats/sound/SoundFileExceptions.h"
#include "formats/sound/SoundFrames.h"
#include "framework/files/CFileSpec.h"
#include "framework/streams/COpenFile.h"
#include "sound/BAT.h"
#include "sound/WAVE_SAMPLE.h"

namespace {

enum class SoundFileKind { AIFF, WAV };

SoundFileKind KindOf(CMedia& stream) {
    char id[4] = {};
    if (stream.GetSize() < 12) throw XBadFormat();
    stream.ReadAt(0, sizeof id, id);
    if (std::memcmp(id, "FORM", 4) == 0) return SoundFileKind::AIFF;
    if (std::memcmp(id, "RIFF", 4) == 0) return SoundFileKind::WAV;
    throw XBadFormat();
}

// The header and the frames' place of an AIFF or WAV file; the frame count
// is what the file really holds.
struct SoundFileLayout {
    SoundFileInfo info;
    SoundData data;
};

template <class Reader>
SoundFileLayout LayoutFrom(CMedia& stream, Reader reader) {
    SoundFileLayout layout;
    layout.info = reader.ReadInfo();
    if (layout.info.frameCount > 0) layout.data = reader.FindSoundData();
    layout.info.frameCount = FramesHeld(stream, layout.info, layout.data);
    return layout;
}

SoundFileLayout LayoutOf(CMedia& stream) {
    if (KindOf(stream) == SoundFileKind::AIFF) return LayoutFrom(stream, CAIFFReader(stream));
    return LayoutFrom(stream, CWaveReader(stream));
}

// The file opened for reading; a name that does not exist is XFileNotFound.
std::unique_ptr<COpenFile> OpenForReading(const CFileSpec& file) {
    try {
        return std::make_unique<COpenFile>(file);
    } catch (const XCreateFailed& failure) {
        if (failure.SystemError() == ENOENT || failure.SystemError() == ENOTDIR)
            throw WithSystemError(XFileNotFound(), failure.SystemError());
        throw;
    }
}

}  // namespace

SoundFileInfo ReadSoundFileInfo(CMedia& stream) { return LayoutOf(stream).info; }

SoundFileInfo ReadSoundFileInfo(const std::string& path) { return ReadSoundFileInfo(*OpenForReading(CFileSpec(path))); }

void CheckSoundFileLimits(const SoundFileInfo& info) {
    if (info.channels > 2) throw XTooManyChannels();
    if (!info.supported) throw XUnsupportedFormat();
    if (info.sampleRate < kMinSoundRate || info.sampleRate > kMaxSoundRate) throw XUnsupportedRate();
    if (info.frameCount == 0) throw XBadFormat();
    if (info.frameCount > kMaxSoundSeconds * info.sampleRate) throw XSoundTooLong();
    if (std::uint64_t{info.frameCount} * 2 > BAT::kMaxSize) throw XOutOfMemory();
}

std::unique_ptr<WAVE_SAMPLE> OpenSoundMedia(CMedia& stream, const char* name, ChannelChoice channel) {
    const SoundFileLayout layout = LayoutOf(stream);
    CheckSoundFileLimits(layout.info);
    return ReadDocumentSoundFrames(stream, layout.info, layout.data, name, channel);
}

std::unique_ptr<WAVE_SAMPLE> OpenSoundFile(const std::string& path, ChannelChoice channel) {
    const CFileSpec location(path);
    return OpenSoundMedia(*OpenForReading(location), location.NameWithExtension().c_str(), channel);
}

ResourceId SoundFileAlert(const std::exception_ptr& failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const XSoundTooLong&) {
        return Res::kAlertSoundTooLong;
    } catch (const XTooManyChannels&) {
        return Res::kAlertOnlyMonoAndStereo;
    } catch (const XUnsupportedFormat&) {
        return Res::kAlertOnly16Bit;
    } catch (const XOutOfMemory&) {
        return Res::kAlertNotEnoughMemory;
    } catch (const std::bad_alloc&) {
        return Res::kAlertNotEnoughMemory;
    } catch (const XFileNotFound&) {
        return Res::kAlertFileNotFound;
    } catch (...) {
        return Res::kAlertCouldNotLoadSoundFile;
    }
}
