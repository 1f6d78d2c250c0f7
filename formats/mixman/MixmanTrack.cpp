#include "formats/mixman/MixmanTrack.h"

#include <algorithm>
#include <array>

#include "formats/chunks/ByteOrder.h"
#include "formats/chunks/CLittleEndianBytes.h"
#include "framework/exceptions/GeneralExceptions.h"
#include "framework/streams/CMedia.h"

namespace {

constexpr std::size_t kMaxNameLength = 255;
constexpr std::uint32_t kSampleRoom = 8192;  // counted per sample in the header's total
constexpr std::uint32_t kSampleTail = 256 + 44 + 1344;
constexpr std::size_t kTextField = 80;
constexpr std::size_t kTrailingZeros = 1344;

void WriteBytes(CMedia& media, const CLittleEndianBytes& bytes)
{
    media.Write(static_cast<std::int64_t>(bytes.data.size()), bytes.data.data());
}

// Reads a variable-length quantity; false when the events end within it.
bool ReadVariable(const std::vector<std::uint8_t>& events, std::size_t& at, std::uint32_t& value)
{
    value = 0;
    for (int i = 0; i < 4; ++i) {
        if (at >= events.size())
            return false;
        const std::uint8_t byte = events[at++];
        value = value << 7 | (byte & 0x7F);
        if ((byte & 0x80) == 0)
            return true;
    }
    return false;
}

// The shortest form, most significant group first.
void WriteVariable(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    std::uint8_t groups[5];
    int count = 0;
    do {
        groups[count++] = value & 0x7F;
        value >>= 7;
    } while (value != 0);
    while (count > 0) {
        --count;
        out.push_back(static_cast<std::uint8_t>(groups[count] | (count > 0 ? 0x80 : 0)));
    }
}

CLittleEndianBytes Header(const MixmanTrack& track)
{
    CLittleEndianBytes b;
    b.Word(8);
    b.Long(0);  // the total, patched at the end
    b.Word(0);
    b.Double(track.tempo);
    b.Word(16);
    b.Word(static_cast<std::uint16_t>(MixmanTrack::kRate));
    b.Byte(100);
    b.Byte(63);
    b.Word(0);  // no comment text
    b.Word(0);
    b.Word(50);
    b.Long(0);
    b.Long(1);  // third flag
    b.Long(0);  // fourth flag
    b.Long(0);
    b.Long(0);
    for (int i = 0; i < 4; ++i)
        b.Double(0.0);
    const std::uint8_t fixed[] = {0x00, 0x04, 0x00, 0x04, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xE0, 0x01,
                                  0,    0,    0,    0,    0, 0, 0x01, 0, 0, 0x01, 0x01};
    b.Raw(fixed, sizeof fixed);
    return b;
}

CLittleEndianBytes NoteTrack(const std::vector<std::uint8_t>& converted)
{
    CLittleEndianBytes b;
    const std::uint8_t lead[] = {0x00, 0x04, 0x00, 0x04, 0x00, 0x00};
    b.Raw(lead, sizeof lead);
    b.Long(static_cast<std::uint32_t>(converted.size() + 4));
    const std::uint8_t tail[] = {0x00, 0x00, 0x01, 0x00, 0xE0, 0x01};
    b.Raw(tail, sizeof tail);
    std::uint8_t length[4];
    WriteBigEndian32(length, static_cast<std::uint32_t>(converted.size()));
    b.Raw(length, sizeof length);
    b.Raw(converted.data(), converted.size());
    return b;
}

CLittleEndianBytes Settings(const MixmanTrack& track)
{
    CLittleEndianBytes b;
    b.Byte(0x00);
    b.Byte(0x01);
    b.Long(std::uint32_t{track.loopBeats} * MixmanTrack::kTicksPerQuarter);
    b.Byte(0x01);
    b.Byte(0x00);
    b.Byte(0x00);
    b.Byte(1);  // first flag
    b.Byte(1);  // second flag

    const std::size_t length = std::min(track.name.size(), kMaxNameLength);
    b.Byte(static_cast<std::uint8_t>(length));
    b.Raw(track.name.data(), length);
    for (const std::uint16_t value : {0, 1, 0, 0, 0})
        b.Word(value);
    b.Zeros(4 * 4 + 16 * 2);
    for (int i = 0; i < 253; ++i)
        b.Double(1.0);
    for (int i = 0; i < 3; ++i)
        b.Double(0.0);
    b.Zeros(24 * 2);
    b.Word(2);
    b.Byte(static_cast<std::uint8_t>(track.samples.size()));
    const std::uint8_t list[] = {0x00, 0xFF, 0xFF, 0x09, 0x00, 0x07, 0x00};
    b.Raw(list, sizeof list);
    b.Text("CSample");
    return b;
}

CLittleEndianBytes SampleHead(std::size_t index, std::uint32_t size)
{
    CLittleEndianBytes b;
    if (index > 0) {
        b.Byte(0x01);
        b.Byte(0x80);
    }
    b.Long(size + kSampleTail);
    b.Long(MixmanTrack::kRate);
    const std::uint8_t levels[] = {0xFF, 0xFF, 0x3F, 0x00, 0x00, 0x3F, 0x63};
    b.Raw(levels, sizeof levels);
    b.Byte(static_cast<std::uint8_t>(index));
    b.Byte(static_cast<std::uint8_t>(index));
    const std::uint8_t rest[] = {0x63, 0x63, 0, 0, 0, 0, 0, 0x3C, 0, 0, 0x0A, 0, 0};
    b.Raw(rest, sizeof rest);
    for (int i = 0; i < 2; ++i) {
        std::array<std::uint8_t, kTextField> text{'T', 'F', 'W'};
        b.Raw(text.data(), text.size());
    }

    std::array<std::uint8_t, 256> block{};
    WriteLittleEndian32(&block[16], size);
    WriteLittleEndian32(&block[48], 0x7FFF7FFF);
    WriteLittleEndian32(&block[56], MixmanTrack::kRate);
    WriteLittleEndian32(&block[60], 16);
    WriteLittleEndian32(&block[64], 1);
    WriteLittleEndian32(&block[72], 0x7FFF7FFF);
    b.Raw(block.data(), block.size());

    b.Text("RIFF");
    b.Long(size + 36);
    b.Text("WAVEfmt ");
    b.Long(16);
    b.Word(1);
    b.Word(1);
    b.Long(MixmanTrack::kRate);
    b.Long(2 * MixmanTrack::kRate);
    b.Word(2);
    b.Word(16);
    b.Text("data");
    b.Long(size);
    return b;
}

void WriteSamplePoints(CMedia& media, const std::vector<std::int16_t>& points)
{
    constexpr std::size_t kPiece = 4096;
    std::array<std::uint8_t, 2 * kPiece> bytes;
    for (std::size_t done = 0; done < points.size();) {
        const std::size_t piece = std::min(kPiece, points.size() - done);
        for (std::size_t i = 0; i < piece; ++i)
            WriteLittleEndian16(&bytes[2 * i], static_cast<std::uint16_t>(points[done + i]));
        media.Write(static_cast<std::int64_t>(2 * piece), bytes.data());
        done += piece;
    }
}

} // namespace

std::optional<std::vector<std::uint8_t>> ConvertMixmanNoteTrack(const std::vector<std::uint8_t>& events)
{
    std::vector<std::uint8_t> out;
    std::uint32_t time = 0;
    std::uint8_t status = 0;
    std::size_t at = 0;
    while (at < events.size()) {
        std::uint32_t delta = 0;
        if (!ReadVariable(events, at, delta) || at >= events.size())
            return std::nullopt;
        time += delta;
        WriteVariable(out, time);
        if (events[at] & 0x80)
            status = events[at++];
        int dataBytes = 0;
        switch (status & 0xF0) {
        case 0x80:
        case 0x90:
        case 0xA0:
        case 0xB0:
        case 0xE0: dataBytes = 2; break;
        case 0xC0:
        case 0xD0: dataBytes = 1; break;
        default: return std::nullopt;
        }
        if (at + static_cast<std::size_t>(dataBytes) > events.size())
            return std::nullopt;
        if ((status & 0xF0) == 0x90 && events[at + 1] == 0) {
            out.push_back(static_cast<std::uint8_t>(0x80 | (status & 0x0F)));
            out.push_back(events[at]);
            out.push_back(100);
        } else {
            out.push_back(status);
            out.insert(out.end(), events.begin() + static_cast<std::ptrdiff_t>(at),
                       events.begin() + static_cast<std::ptrdiff_t>(at) + dataBytes);
        }
        at += static_cast<std::size_t>(dataBytes);
    }
    return out;
}

void WriteMixmanTrack(CMedia& media, const MixmanTrack& track)
{
    const std::optional<std::vector<std::uint8_t>> converted = ConvertMixmanNoteTrack(track.noteEvents);
    if (!converted || track.samples.size() > MixmanTrack::kMaxSamples)
        throw XBadFormat();

    std::uint64_t total = 0;
    WriteBytes(media, Header(track));
    WriteBytes(media, NoteTrack(*converted));
    WriteBytes(media, Settings(track));
    for (std::size_t i = 0; i < track.samples.size(); ++i) {
        const std::uint64_t size = 2 * std::uint64_t{track.samples[i].size()};
        if (size + kSampleTail + 36 > UINT32_MAX)
            throw XWrite();
        total += size + kSampleRoom;
        WriteBytes(media, SampleHead(i, static_cast<std::uint32_t>(size)));
        WriteSamplePoints(media, track.samples[i]);
        CLittleEndianBytes tail;
        tail.Zeros(kTrailingZeros);
        WriteBytes(media, tail);
    }
    const std::uint8_t noComment = 0;
    media.Write(1, &noComment);
    std::uint8_t field[4];
    WriteLittleEndian32(field, static_cast<std::uint32_t>(total));
    media.WriteAt(2, sizeof field, field);
}
