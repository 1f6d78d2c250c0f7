#include "formats/sound/CWaveReader.h"

#include <cstring>

#include "formats/chunks/ByteOrder.h"
#include "formats/sound/FormType.h"
#include "framework/exceptions/GeneralExceptions.h"
#include "framework/streams/CMedia.h"

namespace {

constexpr std::uint16_t kFormatPCM = 1;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;
// The tail that every subformat GUID of the standard formats shares; its
// first two bytes are the plain format tag.
constexpr std::uint8_t kSubformatTail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                             0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

}  // namespace

CWaveReader::CWaveReader(CMedia& media) : CIFFReader(media, "RIFF"), media_(media) {
    SetLittleEndian();
    SetOpenEndedChunk("data");
}

SoundFileInfo CWaveReader::ReadInfo() {
    const std::int64_t position = media_.GetPosition();
    const bool wave = HasFormType(media_, "WAVE");
    std::uint8_t fmt[40] = {};
    std::uint32_t size = 0;
    if (!FindChunk("fmt ", size) || size < 16 || !wave) throw XBadFormat();
    media_.Read(size >= 40 ? 40 : 16, fmt);

    SoundFileInfo info;
    info.channels = ReadLittleEndian16(fmt + 2);
    info.sampleRate = ReadLittleEndian32(fmt + 4);
    const std::uint16_t blockAlign = ReadLittleEndian16(fmt + 12);
    info.bitsPerSample = ReadLittleEndian16(fmt + 14);
    if (info.channels == 0 || info.sampleRate == 0 || blockAlign == 0) throw XBadFormat();

    std::uint16_t format = ReadLittleEndian16(fmt);
    if (format == kFormatExtensible) {
        if (size < 40) throw XBadFormat();
        if (std::memcmp(fmt + 26, kSubformatTail, sizeof kSubformatTail) != 0) throw XUnsupportedFormat();
        format = ReadLittleEndian16(fmt + 24);
    }
    // Float, µ-law, A-law, ADPCM and the rest are legal files of a kind the
    // program does not read.
    if (format != kFormatPCM) throw XUnsupportedFormat();
    if (info.bitsPerSample < 8 || info.bitsPerSample > 32 ||
        blockAlign != info.channels * ((info.bitsPerSample + 7) / 8))
        throw XBadFormat();

    std::uint32_t dataSize = 0;
    if (FindChunk("data", dataSize)) {
        const std::uint64_t frames = dataSize / blockAlign;
        if (frames > 0x7FFFFFFF) throw XBadFormat();
        info.frameCount = static_cast<std::uint32_t>(frames);
    }
    info.supported = info.bitsPerSample == 16 ? 1 : 0;
    media_.SetPosition(position);
    return info;
}

SoundData CWaveReader::FindSoundData() {
    SoundData data;
    data.littleEndian = true;
    std::uint32_t size = 0;
    if (FindChunk("data", size)) {
        data.offset = media_.GetPosition();
        data.size = size;
    }
    return data;
}
