#include "formats/slx/CSLXWriter.h"

#include <algorithm>
#include <vector>

#include "formats/chunks/ByteOrder.h"
#include "framework/exceptions/Exceptions.h"
#include "framework/streams/CMedia.h"

namespace {

constexpr std::int64_t kSSNDHeaderEnd = 12 + 8 + 8;  // FORM header, SSND header, offset and block size

std::int64_t ZerosToBoundary(std::int64_t position) {
    const std::int64_t rest = position % CSLXWriter::kBlockSize;
    return rest == 0 ? 0 : CSLXWriter::kBlockSize - rest;
}

}  // namespace

CSLXWriter::CSLXWriter(CMedia& media) : CAIFFWriter(media), media_(media) {}

void CSLXWriter::Begin() {
    BeginForm("FORM", "AIFF");
    BeginChunk("SSND");
    const std::int64_t offset = ZerosToBoundary(kSSNDHeaderEnd);
    std::uint8_t header[8];
    WriteBigEndian32(header, static_cast<std::uint32_t>(offset));
    WriteBigEndian32(header + 4, static_cast<std::uint32_t>(kBlockSize));
    Write(sizeof header, header);
    WriteZeros(offset);
}

std::uint32_t CSLXWriter::BeginSegment() {
    const std::int64_t zeros = ZerosToBoundary(media_.GetPosition());
    WriteZeros(zeros);
    frameTotal_ += zeros / 2;
    return static_cast<std::uint32_t>(frameTotal_);
}

void CSLXWriter::WriteFrames(const std::int16_t* samples, std::int64_t count) {
    WriteSamples(samples, count);
    frameTotal_ += count;
}

void CSLXWriter::Finish(const CSLXRecord& record, std::uint32_t sampleRate) {
    EndChunk();
    std::vector<std::uint8_t> table(CSLXRecord::kSize);
    record.Encode(table.data());
    WriteAPPL(CSLXRecord::kSignature, table.data(), static_cast<std::int64_t>(table.size()));
    if (frameTotal_ > UINT32_MAX) throw XWrite();
    WriteCOMM(1, static_cast<std::uint32_t>(frameTotal_), sampleRate);
    WriteINST(false, 60, 0);
    WriteMARK(0, 0);
    EndForm();
}

void CSLXWriter::WriteZeros(std::int64_t count) {
    static const std::uint8_t zeros[kBlockSize] = {};
    while (count > 0) {
        const std::int64_t n = std::min<std::int64_t>(count, kBlockSize);
        Write(n, zeros);
        count -= n;
    }
}
