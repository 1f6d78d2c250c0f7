// Opening loops for new document windows through a scripted Open Audio File
// question.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "document/export/CLoopDocument.h"
#include "document/export/DocumentFile.h"
#include "document/window/CABCOpenQuestions.h"
#include "document/window/CLoopOpener.h"
#include "document/window/SoundFileDescription.h"
#include "formats/sound/AIFFFile.h"
#include "framework/files/CFileSpec.h"
#include "slicing/synth/CDrumLoopSynthesizer.h"
#include "tests/support/WindowFixture.h"

namespace {

class ScriptedQuestions : public CABCOpenQuestions {
public:
    std::optional<ChannelChoice> AskChannel(const std::string&, const SoundFileInfo& info) override
    {
        asked.push_back(info);
        return answer;
    }
    void ShowAlert(ResourceId alert, const std::string& argument) override
    {
        alerts.emplace_back(alert, argument);
    }

    std::optional<ChannelChoice> answer = ChannelChoice::Left;
    std::vector<SoundFileInfo> asked;
    std::vector<std::pair<ResourceId, std::string>> alerts;
};

class LoopOpenerTest : public ::testing::Test {
protected:
    // A stereo AIFF whose left channel holds 1000 and right channel -3000,
    // with a click in both at frame 4000.
    std::string StereoFile()
    {
        const std::string path = ScratchPath("stereo.aif");
        std::vector<std::int16_t> frames(2 * 8000);
        for (std::size_t i = 0; i < 8000; ++i) {
            frames[2 * i] = i >= 4000 ? 1000 : 0;
            frames[2 * i + 1] = i >= 4000 ? -3000 : 0;
        }
        frames[2 * 4000] = 20000;
        frames[2 * 4000 + 1] = 20000;
        WriteStereoAIFF(CFileSpec(path), 22050, frames);
        return path;
    }

    ScriptedQuestions questions;
    CLoopOpener opener{questions};
    CSlicingSettings defaults;
};

TEST_F(LoopOpenerTest, StereoFileOpensTheChosenChannelAnalysedOrNothingWhenCancelled)
{
    const std::string path = StereoFile();
    questions.answer = ChannelChoice::Right;
    const auto right = opener.Open(path, defaults);
    ASSERT_TRUE(right);
    ASSERT_EQ(questions.asked.size(), 1u);
    EXPECT_EQ(questions.asked[0].channels, 2);
    EXPECT_EQ(questions.asked[0].sampleRate, 22050u);
    EXPECT_EQ(right->Sound().Frames(), 8000u);
    EXPECT_EQ(right->Sound().Sample(6000), -3000);
    EXPECT_STREQ(right->Sound().Name(), "stereo.aif");
    ASSERT_EQ(right->Slices().Count(), 1);
    EXPECT_LE(right->Slices().Entry(0).position, 4000u);

    questions.answer = ChannelChoice::Mix;
    EXPECT_EQ(opener.Open(path, defaults)->Sound().Sample(6000), -1000);
    questions.answer.reset();  // cancelled
    EXPECT_FALSE(opener.Open(path, defaults));
    EXPECT_TRUE(questions.alerts.empty());
}

TEST_F(LoopOpenerTest, MissingFileOrOneThatIsNoSoundShowsItsAlertWithoutAsking)
{
    const std::string notes = ScratchPath("notes.wav");
    std::ofstream(notes) << "these are not samples";
    for (const std::string& path : {ScratchPath("missing.aif").string(), notes})
        EXPECT_FALSE(opener.Open(path, defaults)) << path;
    ASSERT_EQ(questions.alerts.size(), 2u);
    EXPECT_EQ(questions.alerts[0], std::make_pair(Res::kAlertFileNotFound, std::string("missing.aif")));
    EXPECT_EQ(questions.alerts[1].first, Res::kAlertCouldNotLoadSoundFile);
    EXPECT_TRUE(questions.asked.empty());
}

TEST_F(LoopOpenerTest, DocumentFileKeepsItsSlicingWithoutAsking)
{
    const std::string path = ScratchPath("kept.qlt");
    std::unique_ptr<CLoopDocument> loop = MakeLoop(8000, {1500, 6000});
    loop->Settings().bars = 4;
    loop->Sound().SetLoop(1500, 7000, true);
    WriteDocument(CFileSpec(path), *loop);

    const auto opened = opener.Open(path, defaults);
    ASSERT_TRUE(opened);
    EXPECT_TRUE(questions.asked.empty());
    EXPECT_EQ(opened->Settings().bars, 4);
    ASSERT_EQ(opened->Slices().Count(), 2);
    EXPECT_EQ(opened->Slices().Entry(1).position, 6000u);
    EXPECT_EQ(opened->Sound().LoopStart(), 1500);
    EXPECT_FALSE(opened->IsDirty());
}

TEST_F(LoopOpenerTest, DemoLoopIsTwoBarsWithAPointAtEveryLoudHit)
{
    const auto demo = CLoopOpener::DemoLoop(defaults);
    ASSERT_TRUE(demo);
    EXPECT_STREQ(demo->Sound().Name(), "Demo Loop");
    EXPECT_EQ(demo->Tempo(), 120000);
    EXPECT_EQ(demo->Sound().Frames(), 176400u);  // two bars of 4/4 at 120 BPM
    const DrumLoop reference = CDrumLoopSynthesizer(44100).RenderPattern(CDrumLoopSynthesizer::DemoPattern(), 120.0);
    int kicks = 0;
    for (const DrumHit& hit : reference.hits) {
        if (hit.voice != DrumVoice::Kick)
            continue;
        ++kicks;
        const int near = demo->Slices().CountedNearest(hit.frame);
        ASSERT_GE(near, 0);
        EXPECT_LE(std::abs(static_cast<std::int64_t>(demo->Slices().Entry(near).position) - hit.frame), 600)
            << hit.frame;
    }
    EXPECT_GT(kicks, 0);
}

TEST(SoundFileDescription, NamesTheFormatAndLimitsAutoPlayToThirtySeconds)
{
    SoundFileInfo info;
    info.channels = 1;
    info.bitsPerSample = 16;
    info.sampleRate = 22050;
    info.frameCount = 30 * 22050;
    EXPECT_EQ(DescribeSoundFile("hat.aif", info), "hat.aif: 16-bit Mono, 22.05kHz, 30.000 s");
    EXPECT_TRUE(AutoPlayAllowed(info));
    ++info.frameCount;
    EXPECT_FALSE(AutoPlayAllowed(info));
}

}  // namespace
