// The AKAI family's byte layouts: the name character set, the low-first
// nibbles, the messages and their checks, and the offsets of the program,
// keygroup and sample header blocks.
#include <gtest/gtest.h>

#include <functional>

#include "framework/exceptions/Exceptions.h"
#include "samplers/akai/AKAIBlocks.h"
#include "samplers/akai/AKAIMessages.h"
#include "samplers/akai/AKAIText.h"
#include "samplers/akai/AKAITransmitChoices.h"
#include "samplers/akai/CAKAITransfer.h"

namespace {

std::uint32_t Long(const AKAIBlock::Bytes& block, std::size_t at)
{
    return block[at] | (block[at + 1] << 8) | (block[at + 2] << 16) | (std::uint32_t{block[at + 3]} << 24);
}

}  // namespace

TEST(AKAIText, CodesAndNames)
{
    EXPECT_EQ(AKAI::ToCodes("kick_01", 8), (std::vector<std::uint8_t>{21, 19, 13, 21, 10, 0, 1, 10}));
    EXPECT_EQ(AKAI::ToCodes("#+-.Z9", 6), (std::vector<std::uint8_t>{37, 38, 39, 40, 36, 9}));
    const std::uint8_t codes[] = {11, 41, 127, 40};
    EXPECT_EQ(AKAI::FromCodes(codes, 4), "A  .");
    EXPECT_EQ(AKAI::Normalised("drum loop/x!long"), "DRUM LOOP X ");
    EXPECT_EQ(CAKAITransfer::SampleName("DRUMLOOP", 12), "DRUMLOOP  13");
    EXPECT_EQ(CAKAITransfer::SampleName("loops", 0), "LOOPS      1");
}

TEST(AKAIMessages, LayoutsAreLowNibbleFirst)
{
    EXPECT_EQ(AKAI::ToNibbles({0x12, 0xAB}), (AKAI::Bytes{0x02, 0x01, 0x0B, 0x0A}));
    const AKAI::Bytes block(150, 0x5A);
    const struct {
        AKAI::Bytes message;
        std::size_t length;
        AKAI::Bytes head;
    } cases[] = {
        {AKAI::BlockMessage(3, AKAI::kProgram, 130, block), 308, {0xF0, 0x47, 3, 0x07, 0x48, 2, 1, 0x0A, 0x05}},
        {AKAI::KeygroupMessage(3, 1, 7, AKAI::Bytes(192, 0x0F)), 393, {0xF0, 0x47, 3, 0x09, 0x48, 1, 0, 7, 0x0F, 0}},
        {AKAI::BlockMessage(0, AKAI::kSampleHeader, 5, AKAI::Bytes(192, 0)), 392, {0xF0, 0x47, 0, 0x0B, 0x48, 5, 0}},
        {AKAI::NumberedRequest(1, AKAI::kDeleteSample, 200), 8, {0xF0, 0x47, 1, 0x14, 0x48, 0x48, 1, 0xF7}},
        {AKAI::KeygroupRequest(1, 2, 3), 9, {0xF0, 0x47, 1, 0x08, 0x48, 2, 0, 3, 0xF7}},
        {AKAI::Request(9, AKAI::kSampleListRequest), 6, {0xF0, 0x47, 9, 0x04, 0x48, 0xF7}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.message.size(), c.length);
        EXPECT_TRUE(std::equal(c.head.begin(), c.head.end(), c.message.begin())) << c.length;
        EXPECT_EQ(c.message.back(), 0xF7);
    }
    const AKAI::Block back = AKAI::ParseBlock(cases[0].message, AKAI::kProgram, 150);
    EXPECT_EQ(back.number, 130);
    EXPECT_EQ(back.data, block);
    EXPECT_EQ(AKAI::ParseBlock(cases[1].message, AKAI::kKeygroup, 192).keygroup, 7);
}

TEST(AKAIMessages, RepliesListsAndStatusAreCheckedBeforeTheyAreRead)
{
    const AKAI::Status status{4, 40, 2, 480, 470, 1 << 20, 1000, };
    const AKAI::Bytes statusMessage = AKAI::StatusMessage(status);
    const AKAI::Bytes list = AKAI::NameListMessage(0, AKAI::kSampleList, {"KICK", "SNARE"});
    using Check = std::function<void()>;
    const struct {
        const char* what;
        Check check;
        std::function<bool(const XBase&)> expected;  // empty: passes
    } cases[] = {
        {"done", [] { AKAI::CheckReply(AKAI::ReplyMessage(0, 0)); }, {}},
        {"error", [] { AKAI::CheckReply(AKAI::ReplyMessage(0, 1)); },
         [](const XBase& e) { return dynamic_cast<const XAKAIReceivedError*>(&e); }},
        {"long reply", [] { AKAI::CheckReply({0xF0, 0x47, 0, 0x16, 0x48, 0, 0, 0xF7}); },
         [](const XBase& e) { return dynamic_cast<const XSysexInvalidSize*>(&e); }},
        {"other operation", [] { AKAI::CheckReply({0xF0, 0x47, 0, 0x03, 0x48, 0, 0xF7}); },
         [](const XBase& e) { return dynamic_cast<const XAKAIUnexpectedCommand*>(&e); }},
        {"not AKAI", [] { AKAI::CheckReply({0xF0, 0x41, 0, 0x16, 0x48, 0, 0xF7}); },
         [](const XBase& e) { return dynamic_cast<const XAKAINonAKAISysex*>(&e); }},
        {"four bytes", [] { AKAI::CheckReply({0xF0, 0x47, 0, 0xF7}); },
         [](const XBase& e) { return dynamic_cast<const XSysexTooSmall*>(&e); }},
        {"short status", [&] { AKAI::ParseStatus({statusMessage.begin(), statusMessage.begin() + 8}); },
         [](const XBase& e) { return dynamic_cast<const XSysexTooSmall*>(&e); }},
        {"short list", [&] { AKAI::ParseNameList({list.begin(), list.end() - 2}, AKAI::kSampleList); },
         [](const XBase& e) { return dynamic_cast<const XSysexTooSmall*>(&e); }},
        {"list of programs", [&] { AKAI::ParseNameList(list, AKAI::kProgramList); },
         [](const XBase& e) { return dynamic_cast<const XAKAIUnexpectedCommand*>(&e); }},
        {"block of another size", [] { AKAI::ParseBlock(AKAI::BlockMessage(0, 7, 0, AKAI::Bytes(150)), 7, 192); },
         [](const XBase& e) { return dynamic_cast<const XSysexInvalidSize*>(&e); }},
    };
    for (const auto& c : cases) {
        try {
            c.check();
            EXPECT_FALSE(c.expected) << c.what;
        } catch (const XBase& e) {
            EXPECT_TRUE(c.expected && c.expected(e)) << c.what;
        }
    }
    EXPECT_EQ(AKAI::ParseNameList(list, AKAI::kSampleList), (std::vector<std::string>{"KICK        ", "SNARE       "}));
    const AKAI::Status parsed = AKAI::ParseStatus(statusMessage);
    EXPECT_EQ(statusMessage.size(), AKAI::kStatusLength);
    EXPECT_EQ(parsed.freeBlocks, 470);
    EXPECT_EQ(parsed.maxWords, 1u << 20);
    EXPECT_EQ(parsed.freeWords, 1000u);
}

TEST(AKAIBlocks, FieldsSitWhereTheSamplerReadsThem)
{
    SampleFormat format;
    format.name = "Kick 1";
    format.rate = 44100;
    format.length = 5000;
    format.start = 10;
    format.end = 5000;
    format.rootKey = 60;
    format.fineTune = 25;
    format.sustain = {LoopMode::kOff, 0, 4999};
    const AKAIBlock::Bytes header = AKAIBlock::SampleHeader(AKAIBlock::kS1000Size, format);
    const struct {
        std::size_t offset;
        std::uint32_t value;
        bool isLong;
    } fields[] = {
        {0, 3, false},    {1, 1, false},      {2, 60, false},     {3, 21, false},  {4, 19, false},
        {15, 0x80, false}, {16, 1, false},    {19, 2, false},     {20, 64, false}, {26, 5000, true},
        {30, 10, true},   {34, 4999, true},   {38, 4999, true},   {44, 4999, true}, {48, 0x0F, false},
        {49, 0x27, false}, {138, 0x44, false}, {139, 0xAC, false},
    };
    for (const auto& f : fields)
        EXPECT_EQ(f.isLong ? Long(header, f.offset) : header[f.offset], f.value) << f.offset;
    EXPECT_EQ(AKAIBlock::SampleName(header), "KICK 1      ");
    format.rate = 22050;
    format.sustain.mode = LoopMode::kForward;
    format.release = {LoopMode::kForward, 100, 200};
    const AKAIBlock::Bytes looped = AKAIBlock::SampleHeader(AKAIBlock::kS3000Size, format);
    EXPECT_EQ(looped.size(), 192u);
    EXPECT_EQ(looped[1], 0);
    EXPECT_EQ(looped[16], 2);
    EXPECT_EQ(looped[19], 1);
    EXPECT_EQ(Long(looped, 50), 200u);
    EXPECT_EQ(Long(looped, 56), 100u);

    AKAIBlock::Bytes program = AKAIBlock::DefaultProgram(AKAIBlock::kS1000Size, "loop");
    AKAIBlock::SetKeygroupCount(program, 12);
    AKAIBlock::SetProgramTune(program, -20000);
    EXPECT_EQ(program[0], 1);
    EXPECT_EQ(program[3], 22);
    EXPECT_EQ(program[42], 12);
    EXPECT_EQ(program[65] | (program[66] << 8), 0x10000 - 12800);
    AKAIBlock::Bytes keygroup = AKAIBlock::DefaultKeygroup(AKAIBlock::kS3000Size);
    AKAIBlock::SetKeyRange(keygroup, 40, 41);
    AKAIBlock::SetZone(keygroup, 1, "SNARE", 5, 99);
    const std::pair<std::size_t, int> keyFields[] = {{0, 2}, {3, 40}, {4, 41}, {34, 10}, {47, 127}, {58, 29}, {70, 5},
                                                     {71, 99}, {160, 0xFF}};
    for (const auto& [offset, value] : keyFields)
        EXPECT_EQ(keygroup[offset], value) << offset;
    EXPECT_EQ(AKAIBlock::ZoneSample(keygroup, 1), "SNARE       ");
}

TEST(AKAITransmitChoices, NameKeysRateAndTemplate)
{
    for (const char key : std::string(" #+-.09AZaz"))
        EXPECT_TRUE(AKAITransmitChoices::AcceptsKey(key)) << key;
    for (const char key : std::string("_/!,\t\0", 6))
        EXPECT_FALSE(AKAITransmitChoices::AcceptsKey(key)) << int(key);
    AKAITransmitChoices choices;
    const std::pair<std::uint32_t, std::uint32_t> rates[] = {{8000, 22050}, {22050, 22050}, {32000, 44100},
                                                             {48000, 44100}};
    for (const auto& [document, offered] : rates)
        EXPECT_EQ(choices.RateFor(document), offered) << document;
    EXPECT_EQ(std::get<ResourceId>(choices.Check({})), Res::kAlertAKAINoName);
    choices.programName = "   ";
    EXPECT_EQ(std::get<ResourceId>(choices.Check({})), Res::kAlertAKAINoName);
    choices.programName = "loop";
    choices.templateIndex = 2;
    const TransmitRequest request = std::get<TransmitRequest>(choices.Check({"A", "B"}));
    EXPECT_EQ(request.programName, "LOOP");
    EXPECT_EQ(request.templateName, "B");
}
