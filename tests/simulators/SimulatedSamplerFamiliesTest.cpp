// Which families the environment asks to simulate.
#include <gtest/gtest.h>

#include "simulators/SimulatedSamplerFamilies.h"

TEST(SimulatedSamplerFamilies, ParsesAllOrAListAndNamesTheUnknown)
{
    using F = SamplerFamily;
    struct Case {
        const char* text;
        std::vector<F> families;
        std::vector<std::string> unknown;
    };
    const Case cases[] = {
        {"", {}, {}},
        {"all", {F::kSDS, F::kEMU, F::kAKAI, F::kRoland, F::kKurzweil, F::kEnsoniq, F::kYamaha}, {}},
        {"akai,sds,akai", {F::kAKAI, F::kSDS}, {}},
        {"yamaha,,ensoniq,Kurzweil,bogus", {F::kYamaha, F::kEnsoniq}, {"Kurzweil", "bogus"}},
        {"roland,all", {F::kRoland, F::kSDS, F::kEMU, F::kAKAI, F::kKurzweil, F::kEnsoniq, F::kYamaha}, {}},
    };
    for (const Case& c : cases) {
        const SimulatedSamplerSelection selection = ParseSimulatedSamplers(c.text);
        EXPECT_EQ(selection.families, c.families) << c.text;
        EXPECT_EQ(selection.unknown, c.unknown) << c.text;
    }
    EXPECT_STREQ(FamilyName(F::kEMU), "emu");
}
