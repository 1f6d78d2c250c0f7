// The main loop: idle from the fast-idle count or the idle interval, the
// quit request closing the document windows, and the periodic timer.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QStandardPaths>
#include <QTest>
#include <QUrl>
#include <atomic>
#include <chrono>
#include <optional>
#include <thread>

#include "framework/exceptions/Exceptions.h"
#include "framework/progress/CLengthyOperation.h"
#include "framework/resources/ResourceScripts.h"
#include "framework/time/CTimer.h"
#include "gui/framework/application/CApplication.h"
#include "gui/framework/controls/CPushButtonView.h"
#include "gui/framework/views/CWindowRootGroupView.h"
#include "gui/framework/windows/CDocumentWindow.h"
#include "gui/framework/windows/CFrameWindow.h"
#include "tests/support/AlertRecorder.h"

namespace {

class CCountingApplication : public CApplication {
public:
    CCountingApplication() : CApplication("Quillet") {}
    using CLowLevelApplication::SetState;
    void Idle() override
    {
        ++idles;
        CApplication::Idle();
    }
    void OpenDocumentFile(const std::string& path) override { opened.push_back(path); }
    void StartUp() override
    {
        if (quitAtStart)
            RequestQuit();
    }

    void Activated() override { changes.push_back("activated"); }
    void Deactivated() override { changes.push_back("deactivated"); }

    std::vector<std::string> changes;
    std::vector<std::string> opened;
    int idles = 0;
    bool quitAtStart = false;
};

class CStubbornWindow : public CDocumentWindow {
public:
    CStubbornWindow(CApplication& application, bool& mayClose)
        : CDocumentWindow(application), fMayClose(mayClose)
    {
        SetContentSize(50, 50);
    }
    bool CanClose() override { return fMayClose; }

private:
    bool& fMayClose;
};

void Turn(int times = 5)
{
    for (int i = 0; i < times; ++i)
        QCoreApplication::processEvents();
}

TEST(MainLoop, IdleRunsContinuouslyOnlyWhileFastIdleIsRaised)
{
    CCountingApplication application;
    application.SetIdleInterval(3600 * 1000);
    CLowLevelApplication::LowerFastIdleOfCurrent();  // never below zero
    EXPECT_EQ(CLowLevelApplication::FastIdleCount(), 0);
    Turn();
    EXPECT_EQ(application.idles, 0);
    CLowLevelApplication::RaiseFastIdleOfCurrent();
    Turn();
    EXPECT_GT(application.idles, 0);
    CLowLevelApplication::LowerFastIdleOfCurrent();
    const int idles = application.idles;
    Turn();
    EXPECT_EQ(application.idles, idles);
}

TEST(MainLoop, QuitClosesEveryWindowAndEndsUnlessRefusedOrBusy)
{
    using State = CLowLevelApplication::State;
    struct Case {
        bool mayClose;
        bool busy;
        State state;
        std::size_t windowsLeft;
    };
    for (const Case& c : {Case{true, false, State::kEnded, 0}, Case{false, false, State::kRunning, 1},
                          Case{true, true, State::kRunning, 1}}) {
        CCountingApplication application;
        application.SetState(State::kRunning);
        bool mayClose = c.mayClose;
        application.AddDocumentWindow(std::make_unique<CStubbornWindow>(application, mayClose)).Open();
        std::optional<CLengthyOperation> operation;
        if (c.busy)
            operation.emplace("Working", "Stop");
        application.RequestQuit();
        EXPECT_EQ(application.GetState(), State::kQuitRequested);
        Turn();
        EXPECT_EQ(application.GetState(), c.state);
        EXPECT_EQ(application.DocumentWindows().size(), c.windowsLeft);
    }
}

TEST(MainLoop, RunReturnsWhenQuitAtStart)
{
    QStandardPaths::setTestModeEnabled(true);
    CCountingApplication application;
    application.quitAtStart = true;
    EXPECT_EQ(application.Run(), 0);
    EXPECT_EQ(application.GetState(), CLowLevelApplication::State::kEnded);
}

TEST(FrameWindow, DroppedFilesAreOpened)
{
    CCountingApplication application;
    application.Frame().OpenDropped({QUrl::fromLocalFile("/tmp/loop one.aif"), QUrl("http://example.org/x.wav"),
                                     QUrl::fromLocalFile("/tmp/two.wav")});
    EXPECT_EQ(application.opened, (std::vector<std::string>{"/tmp/loop one.aif", "/tmp/two.wav"}));
}

class CFailingWindow : public CABCWindow {
public:
    CFailingWindow()
    {
        SetContentSize(100, 50);
        button = new CPushButtonView(&Root(), {0, 0, 80, 24}, "Go");
    }
    void ControlNotify(CView&, std::int32_t) override { std::rethrow_exception(failure); }

    CPushButtonView* button;
    std::exception_ptr failure;
};

TEST(MainLoop, FailureInAControlIsReportedAsAnAlert)
{
    CCountingApplication application;
    AlertRecorder alerts;
    CFailingWindow window;
    window.Open();
    window.failure = std::make_exception_ptr(XOutOfMemory());
    QTest::mouseClick(&window.button->Widget(), Qt::LeftButton);
    window.failure = std::make_exception_ptr(XFileNotFound());
    QTest::mouseClick(&window.button->Widget(), Qt::LeftButton);
    ASSERT_EQ(alerts.shown.size(), 2u);
    EXPECT_EQ(alerts.Message(0), "Not enough memory to complete operation!");
    EXPECT_EQ(alerts.Message(1), ParseAlertScript(GetAlertScript(Res::kAlertInternalError)).message);
}

TEST(MainLoop, BackgroundAndForegroundAreReportedOncePerChange)
{
    CCountingApplication application;
    application.ApplicationStateChanged(true);
    application.changes.clear();
    application.ApplicationStateChanged(false);
    application.ApplicationStateChanged(false);
    application.ApplicationStateChanged(true);
    EXPECT_EQ(application.changes, (std::vector<std::string>{"deactivated", "activated"}));
}

TEST(MainLoop, OnlyOneApplicationAtATime)
{
    CCountingApplication application;
    EXPECT_THROW(CCountingApplication(), XInternalError);
}

TEST(Timer, CallsBackWithItsContextButNotWithoutPeriodOrCallback)
{
    std::atomic<int> ticks{0};
    CTimer timer([](CTimer& self) { ++*static_cast<std::atomic<int>*>(self.Context()); }, &ticks, 1);
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (ticks < 3 && std::chrono::steady_clock::now() < until)
        std::this_thread::yield();
    EXPECT_GE(ticks, 3);
    EXPECT_THROW(CTimer([](CTimer&) {}, nullptr, 0), XTimerFailed);
    EXPECT_THROW(CTimer(nullptr, nullptr, 10), XTimerFailed);
}

}  // namespace
