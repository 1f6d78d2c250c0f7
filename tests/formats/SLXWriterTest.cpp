#include <gtest/gtest.h>

#include <vector>

#include "formats/chunks/ByteOrder.h"
#include "formats/slx/CSLXWriter.h"
#include "framework/streams/CMemoryMedia.h"
#include "tests/support/FileTestSupport.h"

namespace {

std::vector<std::int16_t> Ramp(int count, int from) {
    std::vector<std::int16_t> v(count);
    for (int i = 0; i < count; ++i) v[i] = static_cast<std::int16_t>(from + 7 * i);
    return v;
}

struct WrittenSLX {
    std::vector<std::uint8_t> bytes;
    std::vector<std::uint32_t> offsets;
};

// Two segments of 100 and 300 frames at 22050 Hz.
WrittenSLX WriteTwoSegments() {
    CMemoryMedia media(8192 + CSLXRecord::kSize);
    CSLXWriter writer(media);
    writer.Begin();
    CSLXRecord record;
    record.loopTicks = 3840;
    record.tempo = 120000;
    WrittenSLX out;
    for (const auto& seg : {Ramp(100, -300), Ramp(300, 1000)}) {
        const std::uint32_t offset = writer.BeginSegment();
        out.offsets.push_back(offset);
        writer.WriteFrames(seg.data(), static_cast<std::int64_t>(seg.size()));
        record.slices.push_back({offset, static_cast<std::uint32_t>(seg.size()), 0});
    }
    writer.Finish(record, 22050);
    out.bytes.assign(media.Data(), media.Data() + media.GetPosition());
    return out;
}

}  // namespace

TEST(SLXWriter, SSNDComesFirstAndItsSegmentsStartOnBlockBoundaries) {
    const WrittenSLX slx = WriteTwoSegments();
    EXPECT_EQ(slx.offsets, (std::vector<std::uint32_t>{0, 256}));
    const auto& b = slx.bytes;
    ASSERT_EQ(ChunkData(b, "SSND"), 20u);
    EXPECT_LT(ChunkData(b, "APPL"), ChunkData(b, "COMM"));
    EXPECT_EQ(ReadBigEndian32(&b[20]), 484u);  // zeros up to file position 512
    EXPECT_EQ(ReadBigEndian32(&b[24]), 512u);
    EXPECT_EQ(static_cast<std::int16_t>(ReadBigEndian16(&b[512])), -300);
    EXPECT_EQ(static_cast<std::int16_t>(ReadBigEndian16(&b[1024])), 1000);
    for (std::size_t i = 712; i < 1024; ++i) ASSERT_EQ(b[i], 0) << i;
}
