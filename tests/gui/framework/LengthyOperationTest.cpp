// Timing thresholds, cancellation and the finishing beep of lengthy
// operations, in virtual time with a presenter that records what it shows.
#include <gtest/gtest.h>

#include <limits>

#include "framework/exceptions/Exceptions.h"
#include "framework/progress/CABCProgressPresenter.h"
#include "framework/progress/CLengthyOperation.h"
#include "framework/time/CManualClock.h"

namespace {

struct RecordedWindow : CABCProgressWindow {
    void Refresh(const std::string& title, std::int32_t value, std::uint16_t percent) override
    {
        if (pressed)
            cancelled = true;
        lastTitle = title;
        lastValue = value;
        lastPercent = percent;
        ++refreshes;
    }
    void ProcessEvents() override { ++eventPasses; }
    bool Cancelled() const override { return cancelled; }

    bool pressed = false;
    bool cancelled = false;
    std::string lastTitle;
    std::int32_t lastValue = -1;
    std::uint16_t lastPercent = 0;
    int refreshes = 0;
    int eventPasses = 0;
};

struct RecordingPresenter : CABCProgressPresenter {
    void SetWaitCursor() override { ++waitCursors; }
    void SetArrowCursor() override {}
    std::unique_ptr<CABCProgressWindow> CreateProgressWindow(const std::string&, const std::string& button,
                                                             std::int32_t, std::uint16_t) override
    {
        if (failCreation)
            throw XBase();
        ++windowsMade;
        buttonText = button;
        auto made = std::make_unique<RecordedWindow>();
        window = made.get();
        return made;
    }
    void Beep() override { ++beeps; }

    int waitCursors = 0;
    int windowsMade = 0;
    int beeps = 0;
    bool failCreation = false;
    std::string buttonText;
    RecordedWindow* window = nullptr;
};

class LengthyOperationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fPreviousClock = CClock::Install(&clock);
        fPreviousPresenter = CABCProgressPresenter::Install(&presenter);
    }
    void TearDown() override
    {
        CClock::Install(fPreviousClock);
        CABCProgressPresenter::Install(fPreviousPresenter);
    }
    // Runs updates every 50 ms for `milliseconds`.
    void Work(CLengthyOperation& operation, std::int64_t milliseconds)
    {
        for (std::int64_t t = 0; t < milliseconds; t += 50) {
            clock.Advance(50);
            operation.Update(7, 10);
        }
    }

    CManualClock clock{1000};
    RecordingPresenter presenter;

private:
    CClock* fPreviousClock = nullptr;
    CABCProgressPresenter* fPreviousPresenter = nullptr;
};

TEST_F(LengthyOperationTest, WaitCursorAfterHalfASecondButNoWindowBeforeFive)
{
    for (const auto& [milliseconds, waitCursor] : {std::pair{450, false}, std::pair{3000, true}}) {
        presenter.waitCursors = 0;
        CLengthyOperation operation("Working", "Stop");
        Work(operation, milliseconds);
        EXPECT_EQ(presenter.waitCursors > 0, waitCursor) << milliseconds;
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

TEST_F(LengthyOperationTest, MayShowOffKeepsWindowAway)
{
    CLengthyOperation operation("Working", "Stop");
    operation.SetMayShow(false);
    Work(operation, 10000);
    EXPECT_FALSE(operation.HasWindow());
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

TEST_F(LengthyOperationTest, IsRunningWhileAnOperationExists)
{
    EXPECT_FALSE(CLengthyOperation::IsRunning());
    {
        CLengthyOperation operation("Working", "Stop");
        EXPECT_TRUE(CLengthyOperation::IsRunning());
    }
    EXPECT_FALSE(CLengthyOperation::IsRunning());
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
