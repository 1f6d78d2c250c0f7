// SMDI messages, sample headers and sample words, byte for byte.
#include <gtest/gtest.h>

#include "framework/exceptions/Exceptions.h"
#include "samplers/smdi/CSMDIExtendedSampleHeader.h"
#include "samplers/smdi/SMDIWords.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Signature(std::uint8_t id0, std::uint8_t id1, std::uint8_t sub, std::uint32_t length)
{
    return {'S', 'M', 'D', 'I', id0, id1, 0, sub, static_cast<std::uint8_t>(length >> 16),
            static_cast<std::uint8_t>(length >> 8), static_cast<std::uint8_t>(length)};
}

Bytes Concat(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}  // namespace

TEST(SMDIMessage, MessagesTheProgramSends)
{
    const struct {
        SMDIMessage message;
        Bytes bytes;
    } cases[] = {
        {SMDI::SampleHeaderRequest(0x012345), Concat(Signature(1, 0x20, 0, 3), {0x01, 0x23, 0x45})},
        {SMDI::BeginSampleTransfer(7, 1000), Concat(Signature(1, 0x22, 0, 6), {0, 0, 7, 0, 0x03, 0xE8})},
        {SMDI::SendNextPacket(2), Concat(Signature(1, 0x03, 0, 3), {0, 0, 2})},
        {SMDI::DataPacket(1, {0xAA, 0xBB}), Concat(Signature(1, 0x10, 0, 5), {0, 0, 1, 0xAA, 0xBB})},
        {SMDI::AbortProcedure(), Signature(1, 0x05, 0, 0)},
        {SMDI::DeleteSample(999), Concat(Signature(1, 0x24, 0, 3), {0, 0x03, 0xE7})},
        {SMDI::TransferAcknowledge(1, 2048), Concat(Signature(1, 0x22, 1, 6), {0, 0, 1, 0, 0x08, 0})},
        {SMDI::Reject(0x20, 1), Concat(Signature(0, 0x02, 0, 4), {0, 0x20, 0, 1})},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.message.Bytes(), c.bytes);
        const std::optional<SMDIMessage> parsed = SMDIMessage::Parse(c.bytes.data(), c.bytes.size());
        ASSERT_TRUE(parsed);
        EXPECT_EQ(parsed->Bytes(), c.bytes);
    }
}

TEST(SMDIMessage, ParseRefusesWhatIsNotOneWholeMessage)
{
    const Bytes good = SMDI::SendNextPacket(2).Bytes();
    Bytes wrongSignature = good;
    wrongSignature[0] = 's';
    Bytes padded = good;
    padded.push_back(0);
    for (const Bytes& bytes : {wrongSignature, padded, Bytes(good.begin(), good.end() - 1), Bytes(good.begin(), good.begin() + 10)})
        EXPECT_FALSE(SMDIMessage::Parse(bytes.data(), bytes.size()));
    EXPECT_TRUE(SMDIMessage::Parse(good.data(), good.size()));
}

TEST(SMDIMessage, RepliesAreToldApartByIdSubIdAndLength)
{
    EXPECT_TRUE(SMDI::TransferAcknowledge(1, 2).IsTransferAcknowledge());
    EXPECT_FALSE(SMDI::BeginSampleTransfer(1, 2).IsTransferAcknowledge());
    EXPECT_FALSE((SMDIMessage{SMDIMessage::kBeginSampleTransfer, 1, {0, 0, 1}}).IsTransferAcknowledge());
    EXPECT_FALSE((SMDIMessage{SMDIMessage::kSendNextPacket, 0, {0, 1}}).IsSendNextPacket());
    EXPECT_FALSE((SMDIMessage{SMDIMessage::kDataPacket, 1, {0, 0, 1}}).IsDataPacket());
    EXPECT_FALSE((SMDIMessage{SMDIMessage::kMessageReject, 0, {0, 1}}).IsReject());
}

TEST(SMDISampleHeader, StandardAndExtendedLayouts)
{
    CSMDISampleHeader standard;
    standard.sampleNumber = 3;
    standard.bits = 16;
    standard.channels = 2;
    standard.period = 20833;
    standard.length = 0x01020304;
    standard.loopStart = 5;
    standard.loopEnd = 0x0100;
    standard.loopControl = CSMDISampleHeader::kLoopForward;
    standard.pitch = 59;
    standard.pitchFraction = 58982;
    standard.name = "Kick";
    const Bytes fields = {0, 0, 3, 16, 2, 0x00, 0x51, 0x61, 1, 2, 3, 4, 0, 0, 0, 5, 0, 0, 1, 0, 0x00, 0, 59, 0xE6, 0x66};
    EXPECT_EQ(standard.Message().Bytes(), Concat(Signature(1, 0x21, 0, 30), Concat(fields, {4, 'K', 'i', 'c', 'k'})));

    CSMDIExtendedSampleHeader extended;
    static_cast<CSMDISampleHeader&>(extended) = standard;
    extended.rootKey = 36;
    extended.lowestKey = 30;
    extended.highestKey = 40;
    EXPECT_EQ(extended.Message().Bytes(),
              Concat(Signature(1, 0x21, 1, 33), Concat(fields, {36, 30, 40, 4, 'K', 'i', 'c', 'k'})));

    const auto read = CSMDISampleHeader::Read(extended.Message());
    ASSERT_TRUE(read && read->IsExtended());
    EXPECT_EQ(read->Message().Bytes(), extended.Message().Bytes());
    const auto readStandard = CSMDISampleHeader::Read(standard.Message());
    ASSERT_TRUE(readStandard && !readStandard->IsExtended());
    EXPECT_EQ(readStandard->Message().Bytes(), standard.Message().Bytes());
}

TEST(SMDISampleHeader, LongestNameFillsTheLargestHeaderAndShortDataIsRefused)
{
    CSMDIExtendedSampleHeader header;
    header.name = std::string(300, 'n');
    const SMDIMessage message = header.Message();
    EXPECT_EQ(message.Bytes().size(), 295u);
    EXPECT_EQ(CSMDISampleHeader::Read(message)->name, std::string(255, 'n'));

    SMDIMessage cut = message;
    cut.data.pop_back();
    EXPECT_FALSE(CSMDISampleHeader::Read(cut));
    EXPECT_FALSE(CSMDISampleHeader::Read(SMDI::AbortProcedure()));
}

TEST(SMDIWords, FramesAndWordsOfEveryWidth)
{
    const std::int16_t samples16[] = {0x1234, -2};
    const std::int32_t samples32[] = {0x12345678, -2};
    const struct {
        std::size_t bytesPerWord;
        Bytes from16;
        Bytes from32;
        std::array<std::int16_t, 2> back16;
        std::array<std::int32_t, 2> back32;
    } cases[] = {
        {1, {0x12, 0xFF}, {0x12, 0xFF}, {0x1200, -256}, {0x12000000, -0x1000000}},
        {2, {0x12, 0x34, 0xFF, 0xFE}, {0x12, 0x34, 0xFF, 0xFF}, {0x1234, -2}, {0x12340000, -0x20000}},
        {3, {0x12, 0x34, 0, 0xFF, 0xFE, 0}, {0x12, 0x34, 0x56, 0xFF, 0xFF, 0xFF}, {0x1234, -2}, {0x12340000, -0x20000}},
        {5, {0x12, 0x34, 0, 0, 0, 0xFF, 0xFE, 0, 0, 0}, {0x12, 0x34, 0x56, 0x78, 0, 0xFF, 0xFF, 0xFF, 0xFE, 0},
         {0x1234, -2}, {0x12340000, -0x20000}},
    };
    for (const auto& c : cases) {
        Bytes words(2 * c.bytesPerWord);
        SMDIWords::Encode(samples16, FrameWidth::k16, 2, c.bytesPerWord, words.data());
        EXPECT_EQ(words, c.from16) << c.bytesPerWord;
        SMDIWords::Encode(samples32, FrameWidth::k32, 2, c.bytesPerWord, words.data());
        EXPECT_EQ(words, c.from32) << c.bytesPerWord;
        std::array<std::int16_t, 2> frames16;
        std::array<std::int32_t, 2> frames32;
        SMDIWords::Decode(c.from16.data(), 2, c.bytesPerWord, FrameWidth::k16, frames16.data());
        SMDIWords::Decode(c.from16.data(), 2, c.bytesPerWord, FrameWidth::k32, frames32.data());
        EXPECT_EQ(frames16, c.back16) << c.bytesPerWord;
        EXPECT_EQ(frames32, c.back32) << c.bytesPerWord;
    }
}

TEST(SMDISampleHeader, FormatsSentAndReceived)
{
    const struct {
        std::uint8_t rootKey;
        std::int16_t fineTune;
        LoopMode mode;
        std::uint16_t pitch;
        std::uint16_t fraction;
        std::uint8_t control;
        LoopMode receivedMode;
    } cases[] = {
        {60, 10, LoopMode::kForward, 59, 58982, 0x00, LoopMode::kForward},
        {60, -10, LoopMode::kAlternating, 60, 6554, 0x01, LoopMode::kAlternating},
        {36, 0, LoopMode::kOff, 36, 0, 0x7F, LoopMode::kOff},
        {72, 50, LoopMode::kNoLoopData, 71, 32768, 0x7F, LoopMode::kOff},
    };
    for (const auto& c : cases) {
        SampleFormat format;
        format.name = "Tom  ";
        format.rate = 44100;
        format.length = format.end = 800;
        format.rootKey = c.rootKey;
        format.fineTune = c.fineTune;
        format.sustain = {c.mode, 100, 700};
        CSMDIExtendedSampleHeader header;
        header.Describe(format);
        EXPECT_EQ(header.name, "Tom");
        EXPECT_EQ(header.period, 22675u);
        EXPECT_EQ(header.pitch, c.pitch);
        EXPECT_EQ(header.pitchFraction, c.fraction);
        EXPECT_EQ(header.loopControl, c.control);
        EXPECT_EQ(header.loopStart, c.mode == LoopMode::kNoLoopData ? 0u : 100u);
        EXPECT_EQ(header.loopEnd, c.mode == LoopMode::kNoLoopData ? 800u : 700u);

        const SampleFormat back = header.Format();
        EXPECT_EQ(back.rate, 44100u);
        EXPECT_EQ(back.rootKey, c.rootKey);
        EXPECT_EQ(back.fineTune, c.fineTune);
        EXPECT_EQ(back.sustain.mode, c.receivedMode);
        EXPECT_EQ(back.start, 0u);
        EXPECT_EQ(back.end, 800u);
    }
}

TEST(SMDISampleHeader, ReceivedOddities)
{
    CSMDISampleHeader header;
    header.pitch = 127;
    header.pitchFraction = 40000;
    header.loopStart = 9;
    header.loopEnd = 8;
    header.period = 31250;
    const SampleFormat format = header.Format();
    EXPECT_EQ(format.rootKey, 127);
    EXPECT_EQ(format.fineTune, 50);
    EXPECT_EQ(format.sustain.mode, LoopMode::kNoLoopData);
    EXPECT_EQ(format.rate, 32000u);
    for (auto spoil : {+[](CSMDISampleHeader& h) { h.period = 0; }, +[](CSMDISampleHeader& h) { h.channels = 0; },
                       +[](CSMDISampleHeader& h) { h.bits = 0; }}) {
        CSMDISampleHeader bad;
        spoil(bad);
        EXPECT_THROW(bad.Format(), XSMDIUnexpectedMessage);
    }
}
