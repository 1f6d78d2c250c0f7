// The Sample Dump Standard messages: word packing at the edges of the
// range, packet layout, checksum, rates and the loop fields both ways, and
// headers the program must refuse.
#include <gtest/gtest.h>

#include "framework/exceptions/Exceptions.h"
#include "samplers/sds/SDSMessages.h"

namespace {

SDS::Bytes Packet16(const std::vector<std::int16_t>& words, std::uint8_t bits = 16)
{
    return SDS::DataPacket(3, 0x15, bits, words.data(), static_cast<std::uint32_t>(words.size()));
}

}  // namespace

TEST(SDSMessages, SixteenBitWordsPackIntoThreeBytesFromTheTop)
{
    const struct {
        std::int16_t value;
        std::array<std::uint8_t, 3> bytes;
    } cases[] = {
        {-32768, {0x00, 0x00, 0x00}},
        {32767, {0x7F, 0x7F, 0x60}},
        {0, {0x40, 0x00, 0x00}},
        {-1, {0x3F, 0x7F, 0x60}},
        {0x1235, {0x49, 0x0D, 0x20}},
    };
    for (const auto& c : cases) {
        const SDS::Bytes packet = Packet16({c.value});
        EXPECT_EQ((std::array{packet[5], packet[6], packet[7]}), c.bytes) << c.value;
        std::int16_t back = 0;
        SDS::UnpackWords(packet, 16, &back, 1);
        EXPECT_EQ(back, c.value);
    }
}

TEST(SDSMessages, WordsRoundTripAtEveryWidth)
{
    const std::vector<std::int16_t> narrow = {-32768, -4, 0, 4, 32764};
    std::vector<std::int16_t> back(narrow.size());
    SDS::UnpackWords(Packet16(narrow, 12), 12, back.data(), 5);  // 2 bytes: the two low bits go
    EXPECT_EQ(back, narrow);
    for (const std::uint8_t bits : {std::uint8_t{20}, std::uint8_t{24}}) {
        const std::vector<std::int32_t> wide = {INT32_MIN, -(1 << 20), 0, 1 << 20, INT32_MAX & ~0x7FF};
        const SDS::Bytes packet = SDS::DataPacket(0, 0, bits, wide.data(), 5);
        std::vector<std::int32_t> got(5);
        SDS::UnpackWords(packet, bits, got.data(), 5);
        EXPECT_EQ(got, wide) << int(bits);
    }
}

TEST(SDSMessages, PacketLayoutAndChecksum)
{
    const SDS::Bytes packet = Packet16(std::vector<std::int16_t>(20, 1000));
    ASSERT_EQ(packet.size(), 127u);
    EXPECT_EQ((SDS::Bytes{packet.begin(), packet.begin() + 5}), (SDS::Bytes{0xF0, 0x7E, 0x03, 0x02, 0x15}));
    // 20 words of 3 bytes; the rest of the 120 data bytes is zero.
    for (std::size_t i = 65; i < 125; ++i)
        EXPECT_EQ(packet[i], 0) << i;
    std::uint8_t sum = 0x7E ^ 0x03 ^ 0x02 ^ 0x15;
    for (std::size_t i = 5; i < 125; ++i)
        sum ^= packet[i];
    EXPECT_EQ(packet[125], sum);
    EXPECT_EQ(packet[126], 0xF7);
    EXPECT_TRUE(SDS::IsDataPacket(packet));
    EXPECT_EQ(SDS::WordsPerPacket(16), 40u);
    EXPECT_EQ(SDS::WordsPerPacket(8), 60u);
    EXPECT_EQ(SDS::WordsPerPacket(24), 30u);
}

TEST(SDSMessages, HeaderCarriesNumberBitsPeriodLengthAndLoop)
{
    SampleFormat format;
    format.rate = 44100;
    format.length = 100;
    const SDS::Bytes header = SDS::DumpHeader(5, SDS::HeaderOf(format, 0x1234 & 0x3FFF));
    EXPECT_EQ(header, (SDS::Bytes{0xF0, 0x7E, 0x05, 0x01, 0x34, 0x24, 16,
                                  // 22675 ns
                                  0x13, 0x31, 0x01,
                                  // length, loop start, loop end: 100 words, no loop data
                                  100, 0, 0, 100, 0, 0, 100, 0, 0, 0x7F, 0xF7}));
    EXPECT_TRUE(SDS::IsDumpHeader(header));

    const struct {
        LoopMode mode;
        std::uint32_t start, end;
        std::uint8_t type;
    } loops[] = {
        {LoopMode::kForward, 10, 90, 0x00, },
        {LoopMode::kAlternating, 10, 90, 0x01},
        {LoopMode::kOff, 90, 90, 0x7F},
        {LoopMode::kNoLoopData, 100, 100, 0x7F},
    };
    for (const auto& loop : loops) {
        format.sustain = {loop.mode, 10, 90};
        const SDS::Header sent = SDS::HeaderOf(format, 0);
        EXPECT_EQ(sent.loopStart, loop.start);
        EXPECT_EQ(sent.loopEnd, loop.end);
        EXPECT_EQ(sent.loopType, loop.type);
    }
    format.bits = 4;
    EXPECT_EQ(SDS::HeaderOf(format, 0).bits, 8);
    format.bits = 32;
    EXPECT_EQ(SDS::HeaderOf(format, 0).bits, 28);
}

TEST(SDSMessages, ReceivedHeaderBecomesAFormat)
{
    const struct {
        std::uint32_t period;
        std::uint32_t rate;
    } rates[] = {{22675, 44100}, {20833, 48000}, {31250, 32000}, {45351, 22050}, {125000, 8000}, {40000, 25000}};
    for (const auto& r : rates) {
        SDS::Header header;
        header.period = r.period;
        EXPECT_EQ(SDS::FormatOf(header).rate, r.rate) << r.period;
    }
    EXPECT_EQ(SDS::PeriodOf(44100), 22675u);
    EXPECT_EQ(SDS::PeriodOf(1), 0x1FFFFFu);

    SDS::Header header;
    header.period = 22675;
    header.length = 500;
    header.loopStart = 300;
    header.loopEnd = 200;
    header.loopType = 0x00;
    SampleFormat format = SDS::FormatOf(header);
    EXPECT_EQ(format.sustain.mode, LoopMode::kNoLoopData);
    EXPECT_EQ(format.start, 0u);
    EXPECT_EQ(format.end, 500u);
    EXPECT_EQ(format.length, 500u);
    header.loopStart = 100;
    for (const auto& [type, mode] : {std::pair{0x00, LoopMode::kForward}, std::pair{0x01, LoopMode::kAlternating},
                                     std::pair{0x7F, LoopMode::kOff}, std::pair{0x22, LoopMode::kOff}}) {
        header.loopType = static_cast<std::uint8_t>(type);
        EXPECT_EQ(SDS::FormatOf(header).sustain.mode, mode) << type;
    }
    EXPECT_EQ(SDS::ParseHeader(SDS::DumpHeader(0, header)).loopStart, 100u);
}

TEST(SDSMessages, HeadersWithoutAUsableFormatAreRefused)
{
    const struct {
        std::uint32_t period;
        std::uint8_t bits;
    } bad[] = {{0, 16}, {22675, 7}, {22675, 29}, {22675, 0}};
    for (const auto& b : bad) {
        SDS::Header header;
        header.period = b.period;
        header.bits = b.bits;
        EXPECT_THROW(SDS::FormatOf(header), XSysexInvalidFormat) << b.period << " " << int(b.bits);
    }
}

TEST(SDSMessages, MessagesAreRecognisedByLengthAndType)
{
    EXPECT_TRUE(SDS::IsHandshake(SDS::HandshakeMessage(0, SDS::kWait, 5)));
    EXPECT_FALSE(SDS::IsHandshake({0xF0, 0x7E, 0x00, 0x7B, 0x00, 0xF7}));
    EXPECT_FALSE(SDS::IsHandshake({0xF0, 0x7E, 0x00, 0x7F, 0x00, 0x00, 0xF7}));
    EXPECT_EQ(SDS::DumpRequest(2, 200), (SDS::Bytes{0xF0, 0x7E, 0x02, 0x03, 0x48, 0x01, 0xF7}));
    EXPECT_EQ(SDS::ParseRequestedNumber(SDS::DumpRequest(2, 200)), 200);
    EXPECT_FALSE(SDS::IsDumpHeader(SDS::DumpRequest(2, 200)));
}
