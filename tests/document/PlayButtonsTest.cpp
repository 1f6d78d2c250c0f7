// The play buttons and keys of a document window, heard through the file card.
#include <gtest/gtest.h>

#include "tests/support/KeyEvents.h"
#include "tests/support/PlaybackRig.h"
#include "tests/support/WindowFixture.h"

namespace {

class PlayButtonsTest : public ::testing::Test {
protected:
    CQuilletWindowModel& Window(std::initializer_list<std::uint32_t> points)
    {
        model = std::make_unique<CQuilletWindowModel>(MakeLoop(20000, points), rig.player, notifier, host);
        return *model;
    }

    // Hands a key to the window and presses the play button it names.
    void Key(const CKeyEvent& event)
    {
        const CQuilletWindowModel::KeyResult result = model->HandleKey(event);
        if (result.press)
            rig.Command([&] { model->Press(*result.press); });
    }

    PlaybackRig rig{5};
    FakeWindowHost host;
    CountingNotifier notifier;
    std::unique_ptr<CQuilletWindowModel> model;
};

TEST_F(PlayButtonsTest, SpaceStartsTheLoopAndStopsItKeypadPlaysTheCurrentSliceAndStops)
{
    CQuilletWindowModel& window = Window({5000});
    Key(MainKey(' '));
    EXPECT_TRUE(window.PlayState().IsPlaying());
    EXPECT_TRUE(window.IsPlayButtonPressed(DocumentPlayButton::kPlayLoop));
    EXPECT_FALSE(window.IsPlayButtonPressed(DocumentPlayButton::kPlayCurrent));
    rig.Advance(1000);
    Key(MainKey(' '));
    EXPECT_FALSE(window.PlayState().IsPlaying());
    EXPECT_FALSE(window.IsPlayButtonPressed(DocumentPlayButton::kPlayLoop));
    CQuilletWindowModel& sliced = Window({5000, 9000});
    sliced.PlayState().SetPlayPosition(6000);
    Key(CodeKey(CDocumentKeyMap::kKeypad8, '8'));
    EXPECT_TRUE(sliced.IsPlayButtonPressed(DocumentPlayButton::kPlayCurrent));
    EXPECT_EQ(sliced.PlayState().CurrentSlice(), 0);
    rig.Advance(200);
    Key(CodeKey(CDocumentKeyMap::kKeypad0, '0'));
    EXPECT_FALSE(sliced.PlayState().IsPlaying());
}

TEST_F(PlayButtonsTest, WithoutSoundTheButtonsAreOffAndNothingPlays)
{
    host.soundAvailable = false;
    CQuilletWindowModel& window = Window({5000});
    EXPECT_FALSE(window.PlayButtonsEnabled());
    window.Press(DocumentPlayButton::kPlayLoop);
    EXPECT_FALSE(window.PlayState().IsPlaying());
    host.soundAvailable = true;
    EXPECT_TRUE(window.PlayButtonsEnabled());
}

TEST_F(PlayButtonsTest, ClosingTheWindowStopsItsSound)
{
    Window({5000});
    rig.Command([&] { model->Press(DocumentPlayButton::kPlayLoop); });
    ASSERT_NE(rig.player.PlayingSample(), nullptr);
    rig.Command([&] { model.reset(); });
    EXPECT_EQ(rig.player.PlayingSample(), nullptr);
    EXPECT_EQ(notifier.stopped, 1);
}

}  // namespace
