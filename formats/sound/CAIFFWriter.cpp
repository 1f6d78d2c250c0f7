#include "formats/sound/CAIFFWriter.h"

#include <cstring>

#include "formats/chunks/ByteOrder.h"
#include "formats/sound/SampleBytes.h"

namespace {

// One MARK record: identifier, position, name as a length-prefixed string
// padded to an even length.
std::int64_t PutMarker(std::uint8_t* out, std::uint16_t id, std::int32_t position, const char* name) {
    const auto length = static_cast<std::uint8_t>(std::strlen(name));
    WriteBigEndian16(out, id);
    WriteBigEndian32(out + 2, static_cast<std::uint32_t>(position));
    out[6] = length;
    std::memcpy(out + 7, name, length);
    std::int64_t size = 7 + length;
    if ((1 + length) % 2 != 0) out[size++] = 0;
    return size;
}

}  // namespace

void CAIFFWriter::WriteCOMM(std::uint16_t channels, std::uint32_t frames, std::uint32_t rate) {
    std::uint8_t comm[18];
    WriteBigEndian16(comm, channels);
    WriteBigEndian32(comm + 2, frames);
    WriteBigEndian16(comm + 6, 16);
    WriteExtended(comm + 8, rate);
    WriteChunk("COMM", comm, sizeof comm);
}

void CAIFFWriter::BeginSSND() {
    BeginChunk("SSND");
    const std::uint8_t header[8] = {};  // offset 0, block size 0
    Write(sizeof header, header);
}

void CAIFFWriter::WriteSamples(const std::int16_t* samples, std::int64_t count) {
    WriteSamplesInOrder(samples, count, true, [this](std::int64_t n, const void* bytes) { Write(n, bytes); });
}

void CAIFFWriter::WriteINST(bool hasPitch, std::uint8_t baseNote, std::int8_t detune, bool sustainLoop) {
    std::uint8_t inst[20] = {};
    inst[0] = hasPitch ? baseNote : 60;
    inst[1] = static_cast<std::uint8_t>(hasPitch ? detune : 0);
    inst[2] = 0;    // low note
    inst[3] = 127;  // high note
    inst[4] = 1;    // low velocity
    inst[5] = 127;  // high velocity
    // gain 0, then the sustain and release loops: markers 1-2 and 3-4
    WriteBigEndian16(inst + 8, sustainLoop ? 1 : 0);
    WriteBigEndian16(inst + 10, 1);
    WriteBigEndian16(inst + 12, 2);
    WriteBigEndian16(inst + 16, 3);
    WriteBigEndian16(inst + 18, 4);
    WriteChunk("INST", inst, sizeof inst);
}

void CAIFFWriter::WriteMARK(std::int32_t loopStart, std::int32_t loopEnd) {
    WriteMARK({{1, static_cast<std::uint32_t>(loopStart), "Loop start"},
               {2, static_cast<std::uint32_t>(loopEnd), "Loop end"}});
}

void CAIFFWriter::WriteMARK(const std::vector<AIFFMarker>& markers) {
    constexpr std::size_t kLongestMarker = 7 + 255 + 1;
    std::vector<std::uint8_t> mark(2 + markers.size() * kLongestMarker);
    WriteBigEndian16(mark.data(), static_cast<std::uint16_t>(markers.size()));
    std::int64_t size = 2;
    for (const AIFFMarker& marker : markers)
        size += PutMarker(mark.data() + size, marker.id, static_cast<std::int32_t>(marker.position),
                          marker.name.substr(0, 255).c_str());
    WriteChunk("MARK", mark.data(), size);
}

void CAIFFWriter::WriteAPPL(const char* signature, const void* data, std::int64_t size) {
    BeginChunk("APPL");
    std::uint8_t id[4];
    WriteId(id, signature);
    Write(sizeof id, id);
    Write(size, data);
    EndChunk();
}
