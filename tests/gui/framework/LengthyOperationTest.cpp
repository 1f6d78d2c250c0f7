// Timing thresholds, cancellation and the finishing beep of lengthy
// operations, in virtual time with a presenter that records what it shows.
#include <gtest/gtest.h>

#include "framework/progress/CLengthyOperation.h"
#include "tests/support/InstalledClock.h"
#include "tests/support/RecordingProgress.h"

namespace {

class LengthyOperationTest : public ::testing::Test {
protected:
    // Runs updates every 50 ms for `milliseconds`.
    void Work(CLengthyOperation& operation, std::int64_t milliseconds)
    {
        for (std::int64_t t = 0; t < milliseconds; t += 50) {
            clock.Advance(50);
            operation.Update(7, 10);
        }
    }

    InstalledClock clock{1000};
    RecordingPresenter presenter;
};

TEST_F(LengthyOperationTest, WaitCursorAfterHalfASecondButNoWindowBeforeFiveOrWhenItMayNotShow)
{
    struct Case {
        std::int64_t milliseconds;
        bool mayShow;
        bool waitCursor;
    };
    for (const Case& c : {Case{450, true, false}, Case{3000, true, true}, Case{10000, false, true}}) {
        presenter.waitCursors = 0;
        CLengthyOperation operation("Working", "Stop");
        operation.SetMayShow(c.mayShow);
        Work(operation, c.milliseconds);
        EXPECT_EQ(presenter.waitCursors > 0, c.waitCursor) << c.milliseconds;
        EXPECT_EQ(presenter.windowsMade, 0);
        EXPECT_FALSE(operation.HasWindow());
    }
}

TEST_F(LengthyOperationTest, WindowAppearsAfterFiveSecondsAlsoWhereAThirtyTwoBitTickCountWraps)
{
    // 2^32 milliseconds after the clock's origin a 32-bit tick count would wrap.
    for (std::int64_t start : {std::int64_t{1000}, (std::int64_t{1} << 32) - 2000}) {
        clock.Advance(start - clock.Milliseconds());
        CLengthyOperation operation("Working", "Cancel");
        Work(operation, 4900);
        EXPECT_FALSE(operation.HasWindow()) << start;
        Work(operation, 300);
        ASSERT_TRUE(operation.HasWindow()) << start;
        EXPECT_EQ(presenter.buttonText, "Cancel");
        EXPECT_EQ(presenter.window->lastValue, 7);
        EXPECT_GT(presenter.window->eventPasses, 0);
    }
}

TEST_F(LengthyOperationTest, ShowNowShowsTheWindowAtOnceThenServesItAtMostEveryTwelveTicks)
{
    CLengthyOperation operation("Working", "Stop");
    operation.ShowNow();
    operation.Update(1, 50);
    ASSERT_TRUE(operation.HasWindow());  // at the first update
    EXPECT_EQ(presenter.window->lastPercent, 50);
    const int refreshes = presenter.window->refreshes;
    clock.Advance(190);  // 11 ticks of 1/60 s
    operation.Update(2, 2);
    EXPECT_EQ(presenter.window->refreshes, refreshes);
    clock.Advance(10);  // the 12th
    operation.Update(3, 3);
    EXPECT_EQ(presenter.window->refreshes, refreshes + 1);
    EXPECT_EQ(presenter.window->lastValue, 3);
}

TEST_F(LengthyOperationTest, ButtonPressIsNoticedAtNextUpdate)
{
    CLengthyOperation operation("Working", "Stop");
    operation.ShowNow();
    operation.Update(5, 0);
    presenter.window->pressed = true;
    EXPECT_FALSE(operation.WasCancelled());
    clock.AdvanceTicks(12);
    operation.Update(4, 20);
    EXPECT_TRUE(operation.WasCancelled());
    clock.AdvanceTicks(12);
    operation.Update(3, 40);
    EXPECT_TRUE(operation.WasCancelled());
}

TEST_F(LengthyOperationTest, TextsComeFromTheStringLists)
{
    CLengthyOperation operation(Res::kStringSlicesLeft, Res::kStringCancel);
    EXPECT_EQ(operation.Title(), "Slices left:");
    operation.ShowNow();
    operation.Update(5, 0);
    EXPECT_EQ(presenter.buttonText, "Cancel");
    operation.SetTitle(Res::kStringCancelled);
    EXPECT_EQ(presenter.window->lastTitle, "Cancelled!");
    CLengthyOperation unlabelled(Res::kStringSlicesLeft, CLengthyOperation::kNoButtonText);
    unlabelled.ShowNow();
    unlabelled.Update(5, 0);
    EXPECT_EQ(presenter.buttonText, "");
}

TEST_F(LengthyOperationTest, FinishBeepsOnlyAfterThirtySeconds)
{
    {
        CLengthyOperation operation("Working", "Stop");
        Work(operation, 29000);
        operation.Finish();
        EXPECT_EQ(presenter.beeps, 0);
    }
    {
        CLengthyOperation operation("Working", "Stop");
        Work(operation, 31000);
        const std::int64_t before = clock.Milliseconds();
        operation.Finish();
        EXPECT_EQ(presenter.beeps, 1);
        EXPECT_EQ(presenter.window->lastValue, 0);
        EXPECT_EQ(presenter.window->lastPercent, 100);
        EXPECT_EQ(clock.Milliseconds() - before, CLengthyOperation::kFinishPauseMilliseconds);
    }
}

TEST_F(LengthyOperationTest, FailedWindowLetsTheWorkGoOn)
{
    presenter.failCreation = true;
    CLengthyOperation operation("Working", "Stop");
    operation.ShowNow();
    operation.Update(1, 1);
    EXPECT_FALSE(operation.HasWindow());
    EXPECT_FALSE(operation.WasCancelled());
}

TEST(LengthyOperationWithoutScreen, RunsSilently)
{
    ASSERT_EQ(CABCProgressPresenter::Current(), nullptr);
    CLengthyOperation operation("Working", "Stop");
    operation.ShowNow();
    operation.Update(1, 1);
    operation.Finish();
    EXPECT_FALSE(operation.HasWindow());
    EXPECT_FALSE(operation.WasCancelled());
}

}  // namespace
