#include "formats/sound/MarkedSoundFile.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <utility>

#include "formats/chunks/ByteOrder.h"
#include "formats/sound/AIFFFile.h"
#include "formats/sound/CWaveWriter.h"
#include "formats/sound/SoundSampleWriting.h"
#include "framework/exceptions/Exceptions.h"
#include "framework/streams/CMedia.h"
#include "framework/streams/CSafeSaveFile.h"
#include "sound/WAVE_SAMPLE.h"

namespace {

constexpr const char* kSlicePrefix = "Slice ";
constexpr std::uint16_t kFirstSliceMarker = 3;
constexpr std::uint32_t kMIDIMiddleC = 60;
constexpr std::size_t kCuePointSize = 24;
constexpr std::size_t kSmplHeadSize = 36;
constexpr std::size_t kSmplLoopSize = 24;
// A chunk read whole for its markers; larger ones are not marker chunks.
constexpr std::uint32_t kMaxMarkerChunk = 1 << 20;

std::string SliceName(std::size_t index) { return kSlicePrefix + std::to_string(index + 1); }

bool IsSliceName(const std::string& name) { return name.rfind(kSlicePrefix, 0) == 0; }

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    std::uint8_t bytes[4];
    WriteLittleEndian32(bytes, value);
    out.insert(out.end(), bytes, bytes + 4);
}

void WriteCue(CWaveWriter& writer, const std::vector<std::uint32_t>& slices)
{
    std::vector<std::uint8_t> cue;
    Put32(cue, static_cast<std::uint32_t>(slices.size()));
    for (std::size_t i = 0; i < slices.size(); ++i) {
        Put32(cue, static_cast<std::uint32_t>(i + 1)); // identifier
        Put32(cue, slices[i]);                         // position in play order
        cue.insert(cue.end(), {'d', 'a', 't', 'a'});
        Put32(cue, 0); // chunk start
        Put32(cue, 0); // block start
        Put32(cue, slices[i]);
    }
    writer.WriteChunk("cue ", cue.data(), static_cast<std::int64_t>(cue.size()));
}

// LIST of type adtl holding one labl per cue point. The writer adds no pad
// bytes, so each label's text ends in one or two NULs to an even size.
void WriteLabels(CWaveWriter& writer, const std::vector<std::uint32_t>& slices)
{
    std::vector<std::uint8_t> list{'a', 'd', 't', 'l'};
    for (std::size_t i = 0; i < slices.size(); ++i) {
        const std::string name = SliceName(i);
        const std::size_t textSize = (name.size() + 2) / 2 * 2;
        list.insert(list.end(), {'l', 'a', 'b', 'l'});
        Put32(list, static_cast<std::uint32_t>(4 + textSize));
        Put32(list, static_cast<std::uint32_t>(i + 1));
        list.insert(list.end(), name.begin(), name.end());
        list.insert(list.end(), textSize - name.size(), 0);
    }
    writer.WriteChunk("LIST", list.data(), static_cast<std::int64_t>(list.size()));
}

// smpl: no maker, the sound's sample period, middle C, one forward loop
// whose end is its last frame.
void WriteSmpl(CWaveWriter& writer, const WAVE_SAMPLE& sample)
{
    std::vector<std::uint8_t> smpl;
    Put32(smpl, 0);
    Put32(smpl, 0);
    Put32(smpl, static_cast<std::uint32_t>(1000000000ULL / sample.Rate()));
    Put32(smpl, kMIDIMiddleC);
    for (int field = 0; field < 3; ++field) // pitch fraction, SMPTE format and offset
        Put32(smpl, 0);
    Put32(smpl, 1); // loops
    Put32(smpl, 0); // sampler data
    Put32(smpl, 0); // cue point of the loop: none
    Put32(smpl, 0); // forward
    Put32(smpl, static_cast<std::uint32_t>(sample.LoopStart()));
    Put32(smpl, static_cast<std::uint32_t>(std::max(sample.LoopEnd(), sample.LoopStart() + 1) - 1));
    Put32(smpl, 0); // fraction
    Put32(smpl, 0); // play count: endless
    writer.WriteChunk("smpl", smpl.data(), static_cast<std::int64_t>(smpl.size()));
}

struct Chunk {
    std::string id;
    std::vector<std::uint8_t> data;
};

// The top-level chunks of the file that may carry markers, read whole. A
// chunk that runs past the end of the file ends the walk.
std::vector<Chunk> MarkerChunks(CMedia& stream, bool littleEndian, std::initializer_list<const char*> ids)
{
    const std::int64_t size = stream.GetSize();
    std::vector<Chunk> chunks;
    std::int64_t at = 12;
    while (at + 8 <= size) {
        std::uint8_t header[8];
        stream.ReadAt(at, sizeof header, header);
        const std::uint32_t length = littleEndian ? ReadLittleEndian32(header + 4) : ReadBigEndian32(header + 4);
        const std::string id(reinterpret_cast<const char*>(header), 4);
        if (length > size - at - 8)
            break;
        const bool wanted = std::any_of(ids.begin(), ids.end(), [&](const char* w) { return id == w; });
        if (wanted && length <= kMaxMarkerChunk) {
            Chunk chunk{id, std::vector<std::uint8_t>(length)};
            stream.ReadAt(at + 8, length, chunk.data.data());
            chunks.push_back(std::move(chunk));
        }
        at += 8 + std::int64_t{length} + (length % 2);
    }
    return chunks;
}

std::optional<SoundMarks> WAVMarks(CMedia& stream)
{
    std::map<std::uint32_t, std::uint32_t> cues;
    std::map<std::uint32_t, std::string> labels;
    SoundMarks marks;
    for (const Chunk& chunk : MarkerChunks(stream, true, {"cue ", "LIST", "smpl"})) {
        const std::vector<std::uint8_t>& d = chunk.data;
        if (chunk.id == "cue " && d.size() >= 4) {
            const std::size_t count = std::min<std::size_t>(ReadLittleEndian32(d.data()), (d.size() - 4) / kCuePointSize);
            for (std::size_t i = 0; i < count; ++i) {
                const std::uint8_t* point = d.data() + 4 + i * kCuePointSize;
                cues[ReadLittleEndian32(point)] = ReadLittleEndian32(point + 20);
            }
        } else if (chunk.id == "LIST" && d.size() >= 4 && std::memcmp(d.data(), "adtl", 4) == 0) {
            for (std::size_t at = 4; at + 12 <= d.size();) {
                const std::uint32_t length = ReadLittleEndian32(&d[at + 4]);
                if (length < 4 || length > d.size() - at - 8)
                    break;
                if (std::memcmp(&d[at], "labl", 4) == 0) {
                    const char* text = reinterpret_cast<const char*>(&d[at + 12]);
                    labels[ReadLittleEndian32(&d[at + 8])] = std::string(text, strnlen(text, length - 4));
                }
                at += 8 + std::size_t{length} + (length % 2);
            }
        } else if (chunk.id == "smpl" && d.size() >= kSmplHeadSize + kSmplLoopSize && ReadLittleEndian32(&d[28]) > 0) {
            const std::uint8_t* loop = d.data() + kSmplHeadSize;
            const std::uint32_t start = ReadLittleEndian32(loop + 8);
            const std::uint32_t end = ReadLittleEndian32(loop + 12);
            if (end >= start && end < UINT32_MAX)
                marks.loop = std::make_pair(start, end + 1);
        }
    }
    for (const auto& [id, position] : cues) {
        const auto label = labels.find(id);
        if (label != labels.end() && IsSliceName(label->second))
            marks.slices.push_back(position);
    }
    return marks;
}

std::optional<SoundMarks> AIFFMarks(CMedia& stream)
{
    std::map<std::uint16_t, std::uint32_t> markers;
    SoundMarks marks;
    std::optional<std::pair<std::uint16_t, std::uint16_t>> sustain;
    for (const Chunk& chunk : MarkerChunks(stream, false, {"MARK", "INST"})) {
        const std::vector<std::uint8_t>& d = chunk.data;
        if (chunk.id == "MARK" && d.size() >= 2) {
            const std::uint16_t count = ReadBigEndian16(d.data());
            std::size_t at = 2;
            for (std::uint16_t i = 0; i < count && at + 7 <= d.size(); ++i) {
                const std::uint16_t id = ReadBigEndian16(&d[at]);
                const std::uint32_t position = ReadBigEndian32(&d[at + 2]);
                const std::size_t length = d[at + 6];
                if (at + 7 + length > d.size())
                    break;
                const std::string name(reinterpret_cast<const char*>(&d[at + 7]), length);
                markers[id] = position;
                if (IsSliceName(name))
                    marks.slices.push_back(position);
                at += 7 + length + ((1 + length) % 2);
            }
        } else if (chunk.id == "INST" && d.size() >= 14 && ReadBigEndian16(&d[8]) != 0) {
            sustain = std::make_pair(ReadBigEndian16(&d[10]), ReadBigEndian16(&d[12]));
        }
    }
    if (sustain && markers.count(sustain->first) && markers.count(sustain->second))
        marks.loop = std::make_pair(markers[sustain->first], markers[sustain->second]);
    return marks;
}

} // namespace

void WriteMarkedWAV(const CFileSpec& file, const WAVE_SAMPLE& sample, const std::vector<std::uint32_t>& slices)
{
    CSafeSaveFile stream(file);
    CWaveWriter writer(stream);
    writer.BeginForm("RIFF", "WAVE");
    writer.WriteFmt(1, sample.Rate());
    writer.BeginChunk("data");
    WriteSoundSamples(writer, sample);
    writer.EndChunk();
    WriteCue(writer, slices);
    WriteLabels(writer, slices);
    WriteSmpl(writer, sample);
    writer.EndForm();
    stream.Commit();
}

void WriteMarkedAIFF(const CFileSpec& file, const WAVE_SAMPLE& sample, const std::vector<std::uint32_t>& slices)
{
    std::vector<AIFFMarker> markers;
    for (std::size_t i = 0; i < slices.size(); ++i)
        markers.push_back({static_cast<std::uint16_t>(kFirstSliceMarker + i), slices[i], SliceName(i)});
    WriteAIFF(file, sample, markers);
}

std::optional<SoundMarks> ReadSoundMarks(CMedia& stream, std::uint32_t frames)
{
    char form[4] = {};
    if (stream.GetSize() < 12)
        throw XBadFormat();
    stream.ReadAt(0, sizeof form, form);
    std::optional<SoundMarks> marks;
    if (std::memcmp(form, "RIFF", 4) == 0)
        marks = WAVMarks(stream);
    else if (std::memcmp(form, "FORM", 4) == 0)
        marks = AIFFMarks(stream);
    else
        throw XBadFormat();
    std::vector<std::uint32_t>& slices = marks->slices;
    std::erase_if(slices, [frames](std::uint32_t position) { return position >= frames; });
    std::sort(slices.begin(), slices.end());
    slices.erase(std::unique(slices.begin(), slices.end()), slices.end());
    if (slices.empty())
        return std::nullopt;
    return marks;
}
