#include "formats/sound/SoundFileOpen.h"

#include <cstring>
#include <new>

#include "formats/sound/CAIFFReader.h"
#include "formats/sound/CWaveReader.h"
#include "formats/sound/SoundFileExceptions.h"
#include "formats/sound/SoundFrames.h"
#include "framework/files/CFileSpec.h"
#include "framework/streams/COpenFile.h"
#include "sound/BAT.h"
#include "sound/CWaveSample.h"

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

// The header and the frames' place of an AIFF or WAV file, checked against
// each other: the file must hold every frame its header promises.
struct SoundFileLayout {
    SoundFileInfo info;
    SoundData data;
};

template <class Reader>
SoundFileLayout LayoutFrom(Reader reader) {
    SoundFileLayout layout;
    layout.info = reader.ReadInfo();
    if (layout.info.frameCount > 0) layout.data = reader.FindSoundData();
    const std::int64_t bytes =
        std::int64_t{layout.info.frameCount} * layout.info.channels * ((layout.info.bitsPerSample + 7) / 8);
    if (bytes > layout.data.size) throw XBadFormat();
    return layout;
}

SoundFileLayout LayoutOf(CMedia& stream) {
    if (KindOf(stream) == SoundFileKind::AIFF) return LayoutFrom(CAIFFReader(stream));
    return LayoutFrom(CWaveReader(stream));
}

}  // namespace

SoundFileInfo ReadSoundFileInfo(CMedia& stream) { return LayoutOf(stream).info; }

void CheckSoundFileLimits(const SoundFileInfo& info) {
    if (info.channels > 2) throw XTooManyChannels();
    if (!info.supported) throw XUnsupportedFormat();
    if (info.frameCount == 0) throw XBadFormat();
    if (info.frameCount > kMaxSoundSeconds * info.sampleRate) throw XSoundTooLong();
    if (std::uint64_t{info.frameCount} * 2 > BAT::kMaxSize) throw XOutOfMemory();
}

std::unique_ptr<CWaveSample> OpenSoundMedia(CMedia& stream, const char* name, ChannelChoice channel) {
    const SoundFileLayout layout = LayoutOf(stream);
    CheckSoundFileLimits(layout.info);
    return ReadSoundFrames(stream, layout.info, layout.data, name, channel);
}

std::unique_ptr<CWaveSample> OpenSoundFile(const std::string& path, ChannelChoice channel) {
    const CFileSpec location(path);
    if (!FileExists(location)) throw XFileNotFound();
    COpenFile file(location);
    return OpenSoundMedia(file, location.NameWithExtension().c_str(), channel);
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
