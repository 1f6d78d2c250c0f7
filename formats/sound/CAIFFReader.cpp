#include "formats/sound/CAIFFReader.h"

#include <cmath>
#include <cstring>

#include "formats/chunks/ByteOrder.h"
#include "formats/sound/FormType.h"
#include "framework/exceptions/GeneralExceptions.h"
#include "framework/streams/CMedia.h"

namespace {

// The rate to the nearest hertz: writers store whole rates that an extended
// number may hold a hair below (44099.99999 is 44100). A rate that is not
// finite, below 1 Hz or beyond 32 bits is no rate.
std::uint32_t WholeRate(double rate) {
    if (!std::isfinite(rate) || rate < 1.0) throw XBadFormat();
    const double whole = std::floor(rate + 0.5);
    if (whole >= 4294967296.0) throw XBadFormat();
    return static_cast<std::uint32_t>(whole);
}

}  // namespace

SoundFileInfo CAIFFReader::ReadInfo() {
    const std::int64_t position = media_.GetPosition();
    // An AIFF-C file says after the rate how its samples are stored.
    const bool compressed = HasFormType(media_, "AIFC");

    std::uint8_t comm[22] = {};
    std::uint32_t size = 0;
    if (!FindChunk("COMM", size) || size < (compressed ? 22u : 18u)) throw XBadFormat();
    media_.Read(compressed ? 22 : 18, comm);
    littleEndianSamples_ = false;
    if (compressed) {
        char compression[5];
        ReadId(comm + 18, compression);
        // Float, µ-law, A-law and the compressed encodings are legal files
        // of a kind the program does not read.
        if (std::strcmp(compression, "sowt") == 0)
            littleEndianSamples_ = true;
        else if (std::strcmp(compression, "NONE") != 0 && std::strcmp(compression, "twos") != 0)
            throw XUnsupportedFormat();
    }

    SoundFileInfo info;
    info.channels = ReadBigEndian16(comm);
    const std::uint32_t frames = ReadBigEndian32(comm + 2);
    info.bitsPerSample = ReadBigEndian16(comm + 6);
    if (info.channels == 0 || static_cast<std::int32_t>(frames) < 0 || info.bitsPerSample < 8 ||
        info.bitsPerSample > 32)
        throw XBadFormat();
    info.sampleRate = WholeRate(ReadExtended(comm + 8));
    info.frameCount = frames;
    info.supported = info.bitsPerSample == 16 ? 1 : 0;
    media_.SetPosition(position);
    return info;
}

SoundData CAIFFReader::FindSoundData() {
    ReadInfo();  // sets the byte order of the samples
    std::uint32_t size = 0;
    if (!FindChunk("SSND", size) || size < 8) throw XBadFormat();
    // An unfinished SSND chunk holds what the file holds: the frames are
    // counted from it, not from COMM (SoundFrames).
    std::uint8_t header[8];
    media_.Read(sizeof header, header);
    const std::int64_t offset = ReadBigEndian32(header);
    if (offset > std::int64_t{size} - 8) throw XBadFormat();
    SoundData data;
    data.offset = media_.GetPosition() + offset;
    data.size = std::int64_t{size} - 8 - offset;
    data.littleEndian = littleEndianSamples_;
    return data;
}
