// The identification messages of the sampler search, byte for byte, and
// how the answers are read.
#include <gtest/gtest.h>

#include <numeric>

#include "samplers/identification/AKAIIdentification.h"
#include "samplers/identification/EMUIdentification.h"
#include "samplers/identification/EnsoniqIdentification.h"
#include "samplers/identification/SamplerRecognition.h"

namespace {

// A Roland DT1 of 32 identity bytes from device 0x11, with its checksum.
SysexBytes RolandReply(std::uint8_t checksumError)
{
    SysexBytes message = {0xF0, 0x41, 0x11, 0x34, 0x12, 0, 0, 0, 0};
    for (int i = 0; i < 32; ++i)
        message.push_back(static_cast<std::uint8_t>(0x20 + i));
    const unsigned sum = std::accumulate(message.begin() + 5, message.end(), 0u);
    message.push_back(static_cast<std::uint8_t>((128 - sum % 128) % 128 ^ checksumError));
    message.push_back(0xF7);
    return message;
}

std::optional<IdentifiedSampler> Found(std::uint32_t type, std::uint8_t sysex, CVersion version)
{
    return IdentifiedSampler{type, sysex, version};
}

}  // namespace

TEST(SamplerIdentification, ScanRequestsOnAChannel)
{
    const std::vector<SysexBytes> requests = ScanRequests(5);
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0], (SysexBytes{0xF0, 0x41, 0x05, 0x34, 0x11, 0, 0, 0, 0, 0, 0, 0, 0x20, 0x60, 0xF7}));
    EXPECT_EQ(requests[1], (SysexBytes{0xF0, 0x47, 0x05, 0x00, 0x48, 0xF7}));
    EXPECT_EQ(requests[2], (SysexBytes{0xF0, 0x7E, 0x05, 0x06, 0x01, 0xF7}));
    EXPECT_EQ(AKAIIdentification::ModelRequest(2), (SysexBytes{0xF0, 0x47, 0x02, 0x10, 0x48, 0xF7}));
    EXPECT_EQ(EnsoniqIdentification::OnlineTest(4), (SysexBytes{0xF0, 0x0F, 0x03, 0x04, 0x40, 0x00, 0x11, 0xF7}));
}

TEST(SamplerIdentification, MIDIAnswers)
{
    SysexBytes akai(21, 0);
    akai[0] = 0xF0, akai[1] = 0x47, akai[2] = 0x02, akai[3] = 0x01, akai[4] = 0x48, akai[20] = 0xF7;
    akai[5] = 30, akai[6] = 10 + 4;  // an S3000 with OS 4.30
    SysexBytes notAKAIModel = akai;
    notAKAIModel[6] = 20;
    struct Case {
        const char* name;
        SysexBytes message;
        std::optional<IdentifiedSampler> found;
    };
    const Case cases[] = {
        {"K2500", {0xF0, 0x7E, 0x03, 0x06, 0x02, 0x07, 0x78, 0x00, 0x02, 0x00, 0x00, 0x02, 0x08, 0x00, 0xF7},
         Found(1010, 3, {2, 80})},
        {"K2000", {0xF0, 0x7E, 0x00, 0x06, 0x02, 0x07, 0x78, 0x00, 0x01, 0x00, 0x00, 0x03, 0x00, 0x01, 0xF7},
         Found(1000, 0, {3, 1})},
        {"A3000", {0xF0, 0x7E, 0x01, 0x06, 0x02, 0x43, 0x30, 0x00, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0xF7},
         Found(6000, 1, {2, 0})},
        {"other maker", {0xF0, 0x7E, 0x01, 0x06, 0x02, 0x41, 0x30, 0x00, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0xF7},
         std::nullopt},
        {"short reply", {0xF0, 0x7E, 0x03, 0x06, 0x02, 0x07, 0x78, 0x00, 0x02, 0x00, 0x00, 0x02, 0x08, 0xF7},
         std::nullopt},
        {"S-760", RolandReply(0), Found(2000, 0x11, CVersion::Unknown())},
        {"S-760, bad checksum", RolandReply(1), std::nullopt},
        {"AKAI S3000", akai, Found(4100, 2, {4, 30})},
        {"AKAI, no model", notAKAIModel, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RecogniseMIDIAnswer(c.message), c.found) << c.name;

    EXPECT_EQ(AKAIIdentification::RecogniseModel({0xF0, 0x47, 0x02, 0x11, 0x48, 0x01, 0xF7}, 2), 4150u);
    EXPECT_EQ(AKAIIdentification::RecogniseModel({0xF0, 0x47, 0x03, 0x11, 0x48, 0x01, 0xF7}, 2), std::nullopt);
    EXPECT_EQ(AKAIIdentification::RecogniseModel({0xF0, 0x47, 0x02, 0x11, 0x48, 0x08, 0xF7}, 2), std::nullopt);
    EXPECT_TRUE(EnsoniqIdentification::IsOnlineAnswer({0xF0, 0x0F, 0x03, 0x04, 0x01, 0x00, 0x00, 0xF7}, 4));
    EXPECT_FALSE(EnsoniqIdentification::IsOnlineAnswer({0xF0, 0x0F, 0x03, 0x05, 0x01, 0x00, 0x00, 0xF7}, 4));
}

TEST(SamplerIdentification, SCSIAnswers)
{
    struct Case {
        InquiryIdentity inquiry;
        std::optional<IdentifiedSampler> found;
    };
    const Case cases[] = {
        {{3, "Kurzweil", "K2500", "2.90"}, Found(1012, 0, {2, 90})},
        {{3, "YAMAHA", "A3000", "1.10"}, Found(6002, 0, {1, 10})},
        {{3, "E-mu", "ESi-32  Sampler", "3.02"}, Found(5001, 0, {3, 2})},
        {{3, "E-mu", "Emulator IV", "4,10"}, Found(5101, 0, {4, 10})},
        {{3, "E-mu", "Emulator IV", "3.80"}, Found(5111, 0, {3, 80})},
        {{3, "E-mu", "ESi-32 Sampler", "3.02"}, std::nullopt},
        {{0, "E-mu", "e6400", "4.00"}, std::nullopt},
        {{3, "AKAI", "S3000XL", "2.00"}, Found(4151, 0, {2, 0})},
        {{3, "AKAI", "S1000", "4.40"}, std::nullopt},
        {{3, "E-mu", "e-64", "v4"}, Found(5201, 0, CVersion::Unknown())},
        {{3, "SEAGATE", "ST32550N", "0021"}, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RecogniseSCSIAnswer(c.inquiry), c.found) << c.inquiry.vendor << " " << c.inquiry.product;

    const InquiryIdentity emulator{3, "E-mu", "Emulator IV", "4.10"};
    EXPECT_TRUE(EMUIdentification::Verifies(5111, emulator));
    EXPECT_TRUE(EMUIdentification::Verifies(5121, emulator));
    EXPECT_FALSE(EMUIdentification::Verifies(5001, emulator));
}
