#include "formats/midi/CMIDIFileWriter.h"

#include "formats/chunks/ByteOrder.h"

namespace {

constexpr std::uint8_t kMetaEvent = 0xFF;
constexpr std::uint8_t kMetaTempo = 0x51;
constexpr std::uint8_t kMetaTimeSignature = 0x58;
constexpr std::uint8_t kMetaEndOfTrack = 0x2F;
constexpr std::uint8_t kClocksPerClick = 24;
constexpr std::uint8_t kThirtySecondsPerQuarter = 8;
constexpr std::uint8_t kUnknownPower = 255;

std::uint8_t PowerOfTwo(std::uint8_t value) {
    if (value == 0) return kUnknownPower;
    std::uint8_t power = 0;
    while ((value >> power) > 1) ++power;
    return power;
}

}  // namespace

CMIDIFileWriter::CMIDIFileWriter(CMedia& media, bool useRunningStatus)
    : CIFFWriter(media), useRunningStatus_(useRunningStatus) {}

void CMIDIFileWriter::WriteHeader(const MIDIHeader& header) {
    std::uint8_t data[6];
    WriteBigEndian16(data, header.format);
    WriteBigEndian16(data + 2, header.trackCount);
    if (header.divisionKind == MIDIHeader::kFramesAndTicks) {
        data[4] = static_cast<std::uint8_t>(-header.framesPerSecond);
        data[5] = header.ticksPerFrame;
    } else {
        WriteBigEndian16(data + 4, header.division);
    }
    WriteChunk("MThd", data, sizeof data);
}

void CMIDIFileWriter::BeginTrack() {
    BeginChunk("MTrk");
    lastTick_ = 0;
    runningStatus_ = 0;
    endOfTrackWritten_ = false;
}

void CMIDIFileWriter::EndTrack() {
    if (!endOfTrackWritten_) WriteEndOfTrack(lastTick_);
    EndChunk();
}

void CMIDIFileWriter::WriteDelta(std::uint32_t tick) {
    WriteVariableLength(tick > lastTick_ ? tick - lastTick_ : 0);
    if (tick > lastTick_) lastTick_ = tick;
}

void CMIDIFileWriter::WriteEvent(std::uint32_t tick, std::uint8_t status, std::uint8_t data1,
                                 std::uint8_t data2) {
    WriteDelta(tick);
    if (!useRunningStatus_ || status != runningStatus_) {
        Write(1, &status);
        runningStatus_ = status;
    }
    const std::uint8_t data[2] = {data1, data2};
    Write(2, data);
}

void CMIDIFileWriter::WriteMetaEvent(std::uint32_t tick, std::uint8_t type, const std::uint8_t* data,
                                     std::uint32_t length) {
    WriteDelta(tick);
    const std::uint8_t head[2] = {kMetaEvent, type};
    Write(2, head);
    WriteVariableLength(length);
    if (length > 0) Write(length, data);
    runningStatus_ = 0;
}

void CMIDIFileWriter::WriteTempo(std::uint32_t tick, std::uint32_t microsecondsPerQuarter) {
    const std::uint8_t data[3] = {static_cast<std::uint8_t>(microsecondsPerQuarter >> 16),
                                  static_cast<std::uint8_t>(microsecondsPerQuarter >> 8),
                                  static_cast<std::uint8_t>(microsecondsPerQuarter)};
    WriteMetaEvent(tick, kMetaTempo, data, sizeof data);
}

void CMIDIFileWriter::WriteTimeSignature(std::uint32_t tick, std::uint8_t numerator,
                                         std::uint8_t denominator) {
    const std::uint8_t data[4] = {numerator, PowerOfTwo(denominator), kClocksPerClick,
                                  kThirtySecondsPerQuarter};
    WriteMetaEvent(tick, kMetaTimeSignature, data, sizeof data);
}

void CMIDIFileWriter::WriteEndOfTrack(std::uint32_t tick) {
    WriteMetaEvent(tick, kMetaEndOfTrack, nullptr, 0);
    endOfTrackWritten_ = true;
}

void CMIDIFileWriter::WriteVariableLength(std::uint32_t value) {
    std::uint8_t bytes[5];
    int n = 0;
    bytes[n++] = static_cast<std::uint8_t>(value & 0x7F);
    while ((value >>= 7) != 0) bytes[n++] = static_cast<std::uint8_t>(0x80 | (value & 0x7F));
    std::uint8_t out[5];
    for (int i = 0; i < n; ++i) out[i] = bytes[n - 1 - i];
    Write(n, out);
}
