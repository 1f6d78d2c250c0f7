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

void CAIFFWriter::WriteINST(bool hasPitch, std::uint8_t baseNote, std::int8_t detune) {
    std::uint8_t inst[20] = {};
    inst[0] = hasPitch ? baseNote : 60;
    inst[1] = static_cast<std::uint8_t>(hasPitch ? detune : 0);
    inst[2] = 0;    // low note
    inst[3] = 127;  // high note
    inst[4] = 1;    // low velocity
    inst[5] = 127;  // high velocity
    // gain 0, then the sustain and release loops: play mode 0, markers 1-2 and 3-4
    WriteBigEndian16(inst + 10, 1);
    WriteBigEndian16(inst + 12, 2);
    WriteBigEndian16(inst + 16, 3);
    WriteBigEndian16(inst + 18, 4);
    WriteChunk("INST", inst, sizeof inst);
}

void CAIFFWriter::WriteMARK(std::int32_t loopStart, std::int32_t loopEnd) {
    std::uint8_t mark[64];
    WriteBigEndian16(mark, 2);
    std::int64_t size = 2;
    size += PutMarker(mark + size, 1, loopStart, "Loop start");
    size += PutMarker(mark + size, 2, loopEnd, "Loop end");
    WriteChunk("MARK", mark, size);
}

void CAIFFWriter::WriteAPPL(const char* signature, const void* data, std::int64_t size) {
    BeginChunk("APPL");
    std::uint8_t id[4];
    WriteId(id, signature);
    Write(sizeof id, id);
    Write(size, data);
    EndChunk();
}
