// Transmit to the pseudo-samplers: "New Window" opens each slice in a
// window of its own; the Mixman track wants 4/4 time.
#include <gtest/gtest.h>

#include "document/export/SamplerFileExportSettings.h"
#include "gui/window/CWindowTransmitHost.h"
#include "samplers/model/CInstalledSampler.h"
#include "samplers/model/CPseudoSamplerClass.h"
#include "samplers/model/SupportedSamplerTable.h"
#include "slicing/CSliceRenderSet.h"
#include "sound/WAVE_SAMPLE.h"
#include "tests/support/AlertRecorder.h"
#include "tests/support/LoopFixture.h"

TEST(WindowTransmit, AsksForManyWindowsThenOpensOneNamedWindowPerSlice)
{
    const std::unique_ptr<CLoopDocument> loop = MakeLoop(8000, 44100, {0, 2000, 5000});
    loop->Sound().SetName("Beat.loop.aif");
    CSliceRenderSet slices(loop->Sound(), loop->Slices(), loop->Settings());
    std::vector<std::unique_ptr<WAVE_SAMPLE>> opened;
    SamplerFileExportSettings settings;
    CScriptedFeedback feedback;
    CWindowTransmitHost host({slices, loop->Sound().Name(), 0, settings, feedback, {}, {}},
                             [&opened](std::unique_ptr<WAVE_SAMPLE> sound) { opened.push_back(std::move(sound)); });
    const CPseudoSamplerClass newWindow(kSupportedSamplerTable[0]);
    CInstalledSampler sampler(newWindow);

    AlertRecorder alerts;
    alerts.answers = {34};  // No
    newWindow.Transmit(sampler, host);
    EXPECT_TRUE(alerts.Shown(Res::kAlertOpenManyWindows, "3"));
    EXPECT_TRUE(opened.empty());

    newWindow.Transmit(sampler, host);
    ASSERT_EQ(opened.size(), 3u);
    EXPECT_STREQ(opened[0]->Name(), "Beat #1");
    EXPECT_STREQ(opened[2]->Name(), "Beat #3");
    EXPECT_EQ(opened[1]->Frames(), 3000u);
}
