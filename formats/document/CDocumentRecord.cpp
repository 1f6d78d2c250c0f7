#include "formats/document/CDocumentRecord.h"

#include <algorithm>
#include <cstring>

#include "formats/chunks/ByteOrder.h"
#include "formats/chunks/CIFFReader.h"
#include "framework/exceptions/Exceptions.h"
#include "framework/streams/CMedia.h"

namespace {

// Field offsets inside the record.
constexpr std::size_t kOffMagic = 0;
constexpr std::size_t kOffVersionMajor = 4;
constexpr std::size_t kOffVersionMinor = 5;
constexpr std::size_t kOffNumerator = 6;
constexpr std::size_t kOffDenominator = 7;
constexpr std::size_t kOffBarsLow = 8;
constexpr std::size_t kOffBeats = 9;
constexpr std::size_t kOffNewTempo = 10;
constexpr std::size_t kOffNormalize = 14;
constexpr std::size_t kOffSeparate = 15;
constexpr std::size_t kOffSilence = 16;
constexpr std::size_t kOffPitchMode = 17;
constexpr std::size_t kOffStretch = 18;
constexpr std::size_t kOffSensitivity = 20;
constexpr std::size_t kOffBarsHigh = 22;
constexpr std::size_t kOffSliceCount = 158;
constexpr std::size_t kOffSlices = 160;
constexpr std::size_t kEntrySize = 8;

constexpr std::uint16_t kMaxBars = 666;
constexpr std::uint8_t kMaxBeats = 7;
constexpr std::uint32_t kMaxTempo = 999999;
constexpr std::uint16_t kMaxStretch = 13;
constexpr std::uint16_t kMaxSensitivity = 999;
constexpr std::uint16_t kMaxLevel = 32767;
constexpr std::uint8_t kMaxState = 2;
constexpr std::uint8_t kSelectedBit = 0x80;

}  // namespace

void CDocumentRecord::Encode(std::uint8_t* out) const {
    std::memset(out, 0, kSize);
    WriteBigEndian32(out + kOffMagic, kMagic);
    out[kOffVersionMajor] = kVersionMajor;
    out[kOffVersionMinor] = kVersionMinor;
    out[kOffNumerator] = numerator;
    out[kOffDenominator] = denominator;
    out[kOffBarsLow] = static_cast<std::uint8_t>(bars & 0xFF);
    out[kOffBarsHigh] = static_cast<std::uint8_t>(bars >> 8);
    out[kOffBeats] = beats;
    WriteBigEndian32(out + kOffNewTempo, newTempo);
    out[kOffNormalize] = normalize ? 1 : 0;
    out[kOffSeparate] = separateSlices ? 1 : 0;
    out[kOffSilence] = silenceSelected ? 1 : 0;
    out[kOffPitchMode] = pitchMode ? 1 : 0;
    WriteBigEndian16(out + kOffStretch, stretch);
    WriteBigEndian16(out + kOffSensitivity, sensitivity);
    const std::size_t count = std::min(slices.size(), kMaxSlices);
    WriteBigEndian16(out + kOffSliceCount, static_cast<std::uint16_t>(count));
    for (std::size_t i = 0; i < count; ++i) {
        const CDocumentSliceEntry& s = slices[i];
        std::uint8_t* e = out + kOffSlices + kEntrySize * i;
        e[0] = static_cast<std::uint8_t>((s.state & 0x7F) | (s.selected ? kSelectedBit : 0));
        WriteBigEndian32(e + 1, s.position);
        WriteBigEndian16(e + 6, static_cast<std::uint16_t>(s.level));
    }
}

CDocumentRecord CDocumentRecord::Decode(const std::uint8_t* in) {
    if (ReadBigEndian32(in + kOffMagic) != kMagic) throw XBadFormat();
    const std::uint8_t major = in[kOffVersionMajor];
    const std::uint8_t minor = in[kOffVersionMinor];
    if (major > kVersionMajor || (major == kVersionMajor && minor > kVersionMinor))
        throw XUnsupportedFormat();
    const std::uint16_t count = ReadBigEndian16(in + kOffSliceCount);
    if (count > kMaxSlices) throw XBadFormat();

    CDocumentRecord r;
    r.numerator = in[kOffNumerator];
    r.denominator = in[kOffDenominator];
    const unsigned bars = in[kOffBarsHigh] * 256u + in[kOffBarsLow];
    r.bars = static_cast<std::uint16_t>(std::min<unsigned>(bars, kMaxBars));
    r.beats = std::min(in[kOffBeats], kMaxBeats);
    r.newTempo = std::clamp<std::uint32_t>(ReadBigEndian32(in + kOffNewTempo), 1, kMaxTempo);
    r.normalize = in[kOffNormalize] != 0;
    r.separateSlices = in[kOffSeparate] != 0;
    r.silenceSelected = in[kOffSilence] != 0;
    r.pitchMode = in[kOffPitchMode] != 0;
    r.stretch = std::min(ReadBigEndian16(in + kOffStretch), kMaxStretch);
    r.sensitivity = std::min(ReadBigEndian16(in + kOffSensitivity), kMaxSensitivity);

    r.slices.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* e = in + kOffSlices + kEntrySize * i;
        CDocumentSliceEntry s;
        s.state = e[0] & 0x7F;
        if (s.state > kMaxState) continue;
        s.selected = (e[0] & kSelectedBit) != 0;
        s.position = ReadBigEndian32(e + 1);
        s.level = static_cast<std::int16_t>(std::min(ReadBigEndian16(e + 6), kMaxLevel));
        r.slices.push_back(s);
    }
    std::stable_sort(r.slices.begin(), r.slices.end(),
                     [](const CDocumentSliceEntry& a, const CDocumentSliceEntry& b) {
                         return a.position < b.position;
                     });
    r.slices.erase(std::unique(r.slices.begin(), r.slices.end(),
                               [](const CDocumentSliceEntry& a, const CDocumentSliceEntry& b) {
                                   return a.position == b.position;
                               }),
                   r.slices.end());
    return r;
}

CDocumentRecord CDocumentRecord::Read(CMedia& stream) {
    CIFFReader reader(stream, "FORM");
    std::uint8_t chunk[4 + kSize];
    if (!reader.ReadChunk("APPL", chunk, sizeof chunk)) throw XBadFormat();
    if (std::memcmp(chunk, kSignature, 4) != 0) throw XBadFormat();
    return Decode(chunk + 4);
}
