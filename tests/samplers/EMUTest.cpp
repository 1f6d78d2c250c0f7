// The E-mu family's own rules: the rates and shortest sample it takes, and
// what its transmit dialog accepts.
#include <gtest/gtest.h>

#include "samplers/emu/CEMUSCSIInterface.h"
#include "samplers/emu/EMUTransmitChoices.h"

TEST(EMUSCSIInterface, RatesAndShortestSample)
{
    const CEMUSCSIInterface emu(SCSIDevice{});
    const std::pair<std::uint32_t, std::uint32_t> rates[] = {
        {44100, 44100}, {40000, 44100}, {96000, 48000}, {9000, 11025}, {7000, 8000}, {22050, 22050}, {32000, 32000}};
    for (const auto& [rate, adjusted] : rates) {
        SampleFormat format;
        format.rate = rate;
        format.length = format.end = 100;
        emu.AdjustFormat(format);
        EXPECT_EQ(format.rate, adjusted) << rate;
    }
    SampleFormat shortOne;
    shortOne.length = shortOne.end = 5;
    emu.AdjustFormat(shortOne);
    EXPECT_EQ(shortOne.length, 10u);
    EXPECT_EQ(shortOne.end, 10u);
}

TEST(EMUTransmitChoices, NameAndStartNumber)
{
    const struct {
        std::string name;
        std::string start;
        std::optional<ResourceId> alert;
    } cases[] = {
        {"Break", "1", std::nullopt},       {"Break", "999", std::nullopt}, {"", "1", Res::kAlertEMUNoName},
        {"Break", "0", Res::kAlertEMUBadStartNumber},   {"Break", "1000", Res::kAlertEMUBadStartNumber},
        {"Break", "", Res::kAlertEMUBadStartNumber},    {"Break", "0012", Res::kAlertEMUBadStartNumber},
        {"Break", "12a", Res::kAlertEMUBadStartNumber},
    };
    for (const auto& c : cases) {
        EMUTransmitChoices choices;
        choices.sampleName = c.name;
        choices.startNumber = c.start;
        choices.rate = 32000;
        const auto checked = choices.Check();
        if (c.alert) {
            ASSERT_TRUE(std::holds_alternative<ResourceId>(checked)) << c.start;
            EXPECT_EQ(std::get<ResourceId>(checked), *c.alert) << c.name << c.start;
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<TransmitRequest>(checked)) << c.start;
        const TransmitRequest& request = std::get<TransmitRequest>(checked);
        EXPECT_EQ(request.firstSampleNumber, static_cast<std::uint32_t>(std::stoul(c.start)));
        EXPECT_EQ(request.sampleName, c.name);
        EXPECT_EQ(request.sampleRate, 32000u);
    }
    EMUTransmitChoices fresh;
    EXPECT_EQ(fresh.sampleName, "New Sample");
    EXPECT_EQ(fresh.RateFor(40000), 44100u);
    fresh.rate = 22050;
    EXPECT_EQ(fresh.RateFor(40000), 22050u);
}
