#include "formats/sound/CWaveWriter.h"

#include "formats/chunks/ByteOrder.h"
#include "formats/sound/SampleBytes.h"

void CWaveWriter::WriteFmt(std::uint16_t channels, std::uint32_t rate) {
    constexpr std::uint16_t kBits = 16;
    std::uint8_t fmt[16];
    WriteLittleEndian16(fmt, 1);  // PCM
    WriteLittleEndian16(fmt + 2, channels);
    WriteLittleEndian32(fmt + 4, rate);
    WriteLittleEndian32(fmt + 8, channels * kBits * rate / 8);
    WriteLittleEndian16(fmt + 12, static_cast<std::uint16_t>(channels * kBits / 8));
    WriteLittleEndian16(fmt + 14, kBits);
    WriteChunk("fmt ", fmt, sizeof fmt);
}

void CWaveWriter::WriteSamples(const std::int16_t* samples, std::int64_t count) {
    WriteSamplesInOrder(samples, count, false, [this](std::int64_t n, const void* bytes) { Write(n, bytes); });
}
