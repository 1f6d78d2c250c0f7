// A document window's play commands over a slice list, heard through the
// file card.
#include <gtest/gtest.h>

#include "document/playback/CDocumentPlayState.h"
#include "slicing/CSliceList.h"
#include "sound/WAVE_SAMPLE.h"
#include "tests/support/PlaybackRig.h"

namespace {

std::int16_t Ramp(std::uint32_t i)
{
    return static_cast<std::int16_t>(i / 2 + 1);
}

class DocumentPlayStateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sound = MakeSound(44100, 8000, Ramp);
        sound->SetLoop(2000, 6000, true);
        slices.Reset(8000);
        for (const std::uint32_t start : {0u, 2000u, 4000u, 4100u, 6000u})
            slices.Insert(start)->shown = 1;
    }

    PlaybackRig rig{5};
    std::unique_ptr<WAVE_SAMPLE> sound;
    CSliceList slices;
    CountingNotifier notifier;
    std::unique_ptr<CDocumentPlayState> window;

    CDocumentPlayState& Window()
    {
        if (!window)
            window = std::make_unique<CDocumentPlayState>(rig.player, *sound, slices, notifier);
        return *window;
    }
};

}  // namespace

TEST_F(DocumentPlayStateTest, ShortSliceIsNotPlayedButPositionAndModeMove)
{
    Window().SetPlayPosition(4000);
    rig.Command([&] { Window().PlaySliceAndMoveToNext(); });  // plays 4000..4098
    Window().SetPlayPosition(4100);
    rig.Command([&] { Window().PlayCurrentSlice(); });  // 4100..5998
    ASSERT_TRUE(Window().IsPlaying());
    rig.Command([&] { Window().Stop(); });

    Window().SetPlayPosition(4000);
    Window().PlaySliceAndMoveToNext();  // 99 frames: too short to play
    EXPECT_FALSE(Window().IsPlaying());
    EXPECT_EQ(Window().PlayPosition(), 4100);
    EXPECT_EQ(Window().Mode(), CDocumentPlayState::kSliceAndNext);
    EXPECT_EQ(Window().CurrentSlice(), 3);
}

TEST_F(DocumentPlayStateTest, SliceAndMoveToNextOnTheLastSliceInsideTheLoopWrapsToTheLeftLocator)
{
    Window().SetPlayPosition(4500);
    rig.Command([&] { Window().PlaySliceAndMoveToNext(); });
    EXPECT_TRUE(Window().IsPlaying());
    EXPECT_TRUE(Window().IsButtonPressed(CDocumentPlayState::kSliceAndNext));
    EXPECT_FALSE(Window().IsButtonPressed(CDocumentPlayState::kLoop));
    EXPECT_EQ(Window().CurrentSlice(), CDocumentPlayState::kNoSlice);
    EXPECT_EQ(Window().PlayPosition(), 2000);

    rig.Advance(6000);
    rig.ExpectHeard(1899, [](std::size_t k) { return k < 1899 ? Ramp(static_cast<std::uint32_t>(4100 + k)) : 0; });
}

TEST_F(DocumentPlayStateTest, PreviousFromTheFirstSliceInsideTheLoopTakesTheLastOneInside)
{
    Window().SetPlayPosition(2000);
    rig.Command([&] { Window().PlayPreviousSlice(); });
    EXPECT_EQ(Window().CurrentSlice(), 3);
    EXPECT_EQ(Window().PlayPosition(), 4100);
    EXPECT_TRUE(Window().IsButtonPressed(CDocumentPlayState::kPreviousSlice));
    rig.Command([&] { Window().PlayPreviousSlice(); });
    EXPECT_EQ(Window().CurrentSlice(), 2);
    // From the very first slice, the last one.
    Window().SetPlayPosition(0);
    rig.Command([&] { Window().PlayPreviousSlice(); });
    EXPECT_EQ(Window().CurrentSlice(), 4);
}

TEST_F(DocumentPlayStateTest, PlayLoopFromPastTheRightLocatorStartsAtTheLeftOne)
{
    Window().SetPlayPosition(7000);
    rig.Command([&] { Window().PlayLoop(); });
    EXPECT_TRUE(Window().IsButtonPressed(CDocumentPlayState::kLoop));
    rig.Advance(3000);
    EXPECT_EQ(rig.Heard()[rig.FirstSound()], Ramp(2000));
    // While it plays the views draw the player's position.
    EXPECT_EQ(Window().ViewPlayPosition(), rig.player.GetPlayPosition());
    EXPECT_TRUE(Window().ShouldFollow(true, false, false));
    EXPECT_FALSE(Window().ShouldFollow(true, true, false));
}

TEST_F(DocumentPlayStateTest, StopMovesThePlayPositionToTheSliceBeingHeard)
{
    Window().SetPlayPosition(2000);
    rig.Command([&] { Window().PlayLoop(); });
    while (rig.player.GetPlayPosition() < 4500)
        rig.Advance(256);
    EXPECT_TRUE(Window().ShouldFollow(true, false, false));
    rig.Command([&] { Window().Stop(); });
    EXPECT_FALSE(Window().IsPlaying());
    EXPECT_EQ(Window().PlayPosition(), 4100);
    EXPECT_EQ(notifier.stopped, 1);
    // Following goes on for one check after the playback ended.
    EXPECT_TRUE(Window().ShouldFollow(true, false, false));
    EXPECT_FALSE(Window().ShouldFollow(true, false, false));
}

TEST_F(DocumentPlayStateTest, WithoutSoundOnlyStopMovesThePosition)
{
    Window().SetSoundAvailable(false);
    Window().SetPlayPosition(5000);
    Window().PlayLoop();
    Window().PlayCurrentSlice();
    EXPECT_FALSE(Window().IsPlaying());
    EXPECT_EQ(Window().PlayPosition(), 5000);
    Window().Stop();
    EXPECT_EQ(Window().PlayPosition(), 2000);
    Window().Stop();
    EXPECT_EQ(Window().PlayPosition(), 0);
}
