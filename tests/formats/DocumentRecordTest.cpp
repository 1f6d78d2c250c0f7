#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "formats/chunks/ByteOrder.h"
#include "formats/document/CDocumentRecord.h"
#include "framework/exceptions/Exceptions.h"

namespace {

using Bytes = std::array<std::uint8_t, CDocumentRecord::kSize>;

Bytes Encoded(const CDocumentRecord& record) {
    Bytes bytes{};
    record.Encode(bytes.data());
    return bytes;
}

CDocumentRecord Sample() {
    CDocumentRecord r;
    r.numerator = 6;
    r.denominator = 8;
    r.bars = 300;
    r.beats = 5;
    r.newTempo = 97500;
    r.normalize = true;
    r.separateSlices = false;
    r.silenceSelected = true;
    r.pitchMode = true;
    r.stretch = 13;
    r.sensitivity = 990;
    r.slices = {{0, 1, 0, false}, {100, 32767, 1, true}, {5000, 16384, 2, false}};
    return r;
}

void SetEntry(Bytes& bytes, std::size_t i, std::uint8_t first, std::uint32_t position, std::uint16_t level) {
    std::uint8_t* e = bytes.data() + 160 + 8 * i;
    e[0] = first;
    WriteBigEndian32(e + 1, position);
    WriteBigEndian16(e + 6, level);
}

}  // namespace

TEST(DocumentRecord, LayoutOfEveryField) {
    const Bytes b = Encoded(Sample());
    // Magic, version 1.0, 6/8, 300 bars (low byte at 8, high at 22), 5 beats,
    // tempo, normalize, one sample, silence selected, pitch mode, stretch,
    // sensitivity.
    const std::uint8_t head[24] = {0xD1, 0xDA, 0xDE, 0xD0, 1, 0, 6, 8, 44, 5, 0, 0x01, 0x7C, 0xDC,
                                   1,    0,    1,    1,    0, 13, 0x03, 0xDE, 1, 0};
    EXPECT_EQ(0, std::memcmp(b.data(), head, sizeof head));
    for (std::size_t i = 23; i < 158; ++i) EXPECT_EQ(b[i], 0) << i;
    EXPECT_EQ(ReadBigEndian16(&b[158]), 3);
    // The second entry: selected and hidden, position 100, level 32767.
    const std::uint8_t entry[8] = {0x81, 0, 0, 0, 100, 0, 0x7F, 0xFF};
    EXPECT_EQ(0, std::memcmp(&b[160 + 8], entry, sizeof entry));
    EXPECT_EQ(b[160 + 16], 2);
}

TEST(DocumentRecord, RoundTripKeepsEverythingAndUnusedEntriesAreZero) {
    CDocumentRecord r = Sample();
    EXPECT_EQ(CDocumentRecord::Decode(Encoded(r).data()), r);
    r.slices.clear();
    const Bytes b = Encoded(r);
    EXPECT_EQ(ReadBigEndian16(&b[158]), 0);
    for (std::size_t i = 160; i < b.size(); ++i) ASSERT_EQ(b[i], 0) << i;
}

TEST(DocumentRecord, VersionMagicAndSliceCountAreChecked) {
    Bytes b = Encoded(Sample());
    b[5] = 1;  // 1.1
    EXPECT_THROW(CDocumentRecord::Decode(b.data()), XUnsupportedFormat);
    b[4] = 0;  // 0.1 is older: accepted
    EXPECT_NO_THROW(CDocumentRecord::Decode(b.data()));
    b[0] ^= 1;
    EXPECT_THROW(CDocumentRecord::Decode(b.data()), XBadFormat);
    // More slices than the table holds.
    b = Encoded(CDocumentRecord{});
    for (std::uint16_t count : {1001, 65535}) {
        WriteBigEndian16(&b[158], count);
        EXPECT_THROW(CDocumentRecord::Decode(b.data()), XBadFormat) << count;
    }
}

TEST(DocumentRecord, SettingsOutOfRangeAreClamped) {
    Bytes b = Encoded(CDocumentRecord{});
    b[8] = 0xFF;
    b[22] = 0xFF;  // 65535 bars
    b[9] = 200;
    WriteBigEndian32(&b[10], 0);
    WriteBigEndian16(&b[18], 0xFFFF);
    WriteBigEndian16(&b[20], 50000);
    CDocumentRecord r = CDocumentRecord::Decode(b.data());
    EXPECT_EQ(r.bars, 666);
    EXPECT_EQ(r.beats, 7);
    EXPECT_EQ(r.newTempo, 1u);
    EXPECT_EQ(r.stretch, 13);
    EXPECT_EQ(r.sensitivity, 999);
    WriteBigEndian32(&b[10], 0xFFFFFFFF);
    EXPECT_EQ(CDocumentRecord::Decode(b.data()).newTempo, 999999u);
}

TEST(DocumentRecord, EntriesAreValidatedAndOrdered) {
    Bytes b = Encoded(CDocumentRecord{});
    WriteBigEndian16(&b[158], 5);
    SetEntry(b, 0, 0x00, 900, 40000);  // level above the range
    SetEntry(b, 1, 0x05, 300, 10);     // unknown state: dropped
    SetEntry(b, 2, 0x01, 100, 20);
    SetEntry(b, 3, 0x02, 900, 30);     // repeated position: dropped
    SetEntry(b, 4, 0x82, 500, 40);     // selected, locked
    const CDocumentRecord r = CDocumentRecord::Decode(b.data());
    ASSERT_EQ(r.slices.size(), 3u);
    EXPECT_EQ(r.slices[0], (CDocumentSliceEntry{100, 20, 1, false}));
    EXPECT_EQ(r.slices[1], (CDocumentSliceEntry{500, 40, 2, true}));
    EXPECT_EQ(r.slices[2], (CDocumentSliceEntry{900, 32767, 0, false}));
}
