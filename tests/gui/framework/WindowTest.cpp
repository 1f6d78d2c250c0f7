// Command dispatch (nothing behind a modal window acts), mouse tracking and
// the fast-idle count, key codes and modal dialog keys, on the offscreen
// platform.
#include <gtest/gtest.h>

#include <QDialog>
#include <QTest>
#include <QWidget>
#include <functional>
#include <optional>
#include <tuple>
#include <vector>

#include "document/window/CDocumentKeyMap.h"
#include "framework/progress/CLengthyOperation.h"
#include "gui/framework/application/CApplication.h"
#include "gui/framework/controls/CPushButtonView.h"
#include "gui/framework/views/CKeyCodeTable.h"
#include "gui/framework/views/CWindowRootGroupView.h"
#include "gui/framework/windows/CDocumentWindow.h"
#include "gui/framework/windows/CFrameWindow.h"
#include "gui/framework/windows/CModalDialog.h"
#include "tests/support/InstalledClock.h"

namespace {

std::vector<std::string> gLog;

class CRecordingView : public CView {
public:
    CRecordingView(CGroupView* parent, const PixelRect& frame, bool handles, bool tracks)
        : CView(parent, frame), fHandles(handles), fTracks(tracks)
    {
        SetFocusable(true);
    }
    bool DoCommand(std::uint32_t) override
    {
        gLog.push_back("view");
        return fHandles;
    }
    bool MouseDown(const CMouseEvent&) override { return fTracks; }
    void MouseReleased(const CMouseEvent&) override { gLog.push_back("released"); }
    void TrackingLost() override { gLog.push_back("lost"); }
    void KeyDown(const CKeyEvent& event) override
    {
        keys.push_back(event);
    }

    std::vector<CKeyEvent> keys;

private:
    bool fHandles;
    bool fTracks;
};

class CRecordingWindow : public CDocumentWindow {
public:
    CRecordingWindow(CApplication& application, bool handles)
        : CDocumentWindow(application), fHandles(handles)
    {
        SetContentSize(200, 100);
    }
    bool DoCommand(std::uint32_t) override
    {
        gLog.push_back("window");
        return fHandles;
    }

private:
    bool fHandles;
};

class CRecordingApplication : public CApplication {
public:
    CRecordingApplication() : CApplication("Quillet") {}
    bool DoCommand(std::uint32_t command) override
    {
        gLog.push_back("application");
        return CApplication::DoCommand(command);
    }
};

class CButtonDialog : public CModalDialog {
public:
    CButtonDialog() : CModalDialog(10003)
    {
        yes = new CPushButtonView(&Root(), *FindItem(1));
        cancel = new CPushButtonView(&Root(), *FindItem(2));
        focus = new CRecordingView(&Root(), {0, 0, 5, 5}, false, false);
    }
    bool DoCommand(std::uint32_t) override
    {
        gLog.push_back("dialog");
        return true;
    }
    void CheckControls() override
    {
        if (yes->TakePress())
            EndModal(1);
        if (cancel->TakePress())
            EndModal(2);
    }

    CPushButtonView* yes;
    CPushButtonView* cancel;
    CRecordingView* focus;
};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        gLog.clear();
        application.Frame().show();
    }

    CRecordingWindow& OpenWindow(bool handles)
    {
        auto window = std::make_unique<CRecordingWindow>(application, handles);
        auto& added = static_cast<CRecordingWindow&>(application.AddDocumentWindow(std::move(window)));
        added.Open();
        return added;
    }

    CRecordingView& FocusView(CRecordingWindow& window, bool handles)
    {
        auto* view = new CRecordingView(&window.Root(), {0, 0, 50, 50}, handles, false);
        view->Activate();
        return *view;
    }

    CRecordingApplication application;
};

TEST_F(WindowTest, CommandGoesFromFocusViewToWindowToApplication)
{
    EXPECT_FALSE(application.DispatchCommand(1000));  // no window yet
    EXPECT_EQ(gLog, (std::vector<std::string>{"application"}));
    struct Case {
        bool viewHandles;
        bool windowHandles;
        std::vector<std::string> log;
    };
    const Case cases[] = {{true, true, {"view"}},
                          {false, true, {"view", "window"}},
                          {false, false, {"view", "window", "application"}}};
    for (const Case& c : cases) {
        FocusView(OpenWindow(c.windowHandles), c.viewHandles);
        gLog.clear();
        EXPECT_EQ(application.DispatchCommand(1102), c.log.size() < 3);
        EXPECT_EQ(gLog, c.log);
    }
}

TEST_F(WindowTest, NothingBehindAModalWindowActs)
{
    // What stands in front: the progress window, a framework dialog, a Qt
    // dialog (as the file dialogs are), a Qt dialog over a framework dialog.
    struct Case {
        const char* name;
        bool lengthy;
        bool framework;
        bool qt;
        std::vector<std::string> log;
    };
    const Case cases[] = {{"progress", true, false, false, {}},
                          {"framework dialog", false, true, false, {"dialog"}},
                          {"Qt dialog", false, false, true, {}},
                          {"Qt dialog over framework dialog", false, true, true, {}}};
    for (const Case& c : cases) {
        CRecordingWindow& window = OpenWindow(true);
        FocusView(window, true);
        bool deferredRan = false;
        {
            std::optional<CLengthyOperation> operation;
            std::optional<CButtonDialog> dialog;
            std::optional<QDialog> qtDialog;
            if (c.lengthy)
                operation.emplace("Working", "Stop");
            if (c.framework)
                dialog.emplace().Open();
            if (c.qt) {
                qtDialog.emplace().setModal(true);
                qtDialog->show();
            }
            gLog.clear();
            application.Defer([&] { deferredRan = true; });
            EXPECT_EQ(application.DispatchCommand(1001), !c.log.empty()) << c.name;
            EXPECT_EQ(gLog, c.log) << c.name;
            EXPECT_FALSE(window.TryClose()) << c.name;
            EXPECT_FALSE(application.CloseAllDocumentWindows()) << c.name;
            application.Idle();
            EXPECT_FALSE(deferredRan) << c.name;
        }
        application.Idle();
        EXPECT_TRUE(deferredRan) << c.name;
        EXPECT_TRUE(application.DispatchCommand(1001)) << c.name;
        EXPECT_EQ(gLog.back(), "view") << c.name;
        EXPECT_TRUE(application.CloseAllDocumentWindows()) << c.name;
        EXPECT_TRUE(application.DocumentWindows().empty()) << c.name;
    }
}

TEST_F(WindowTest, TrackingEndsOnceWhateverEndsIt)
{
    struct Case {
        const char* name;
        std::function<void(CRecordingWindow&, CRecordingView*)> end;
        std::vector<std::string> log;
    };
    const Case cases[] = {
        {"release", [](CRecordingWindow& window, CRecordingView*) {
             QTest::mouseRelease(&window.Widget(), Qt::LeftButton, {}, QPoint(30, 30));
         }, {"released"}},
        {"hide", [](CRecordingWindow& window, CRecordingView*) { window.Widget().hide(); }, {"lost"}},
        {"deactivate", [](CRecordingWindow& window, CRecordingView*) {
             QEvent deactivate(QEvent::WindowDeactivate);
             QCoreApplication::sendEvent(&window.Widget(), &deactivate);
         }, {"lost"}},
        {"second press", [](CRecordingWindow& window, CRecordingView*) {
             QTest::mousePress(&window.Widget(), Qt::LeftButton, {}, QPoint(25, 25));
             EXPECT_EQ(CLowLevelApplication::FastIdleCount(), 1);
             QTest::mouseRelease(&window.Widget(), Qt::LeftButton, {}, QPoint(25, 25));
         }, {"released"}},
        {"view destroyed", [](CRecordingWindow&, CRecordingView* view) { delete view; }, {}},
    };
    for (const Case& c : cases) {
        CRecordingWindow& window = OpenWindow(false);
        auto* view = new CRecordingView(&window.Root(), {10, 10, 60, 60}, false, true);
        ASSERT_EQ(CLowLevelApplication::FastIdleCount(), 0) << c.name;
        QTest::mousePress(&window.Widget(), Qt::LeftButton, {}, QPoint(20, 20));
        ASSERT_EQ(window.TrackingView(), view) << c.name;
        ASSERT_EQ(CLowLevelApplication::FastIdleCount(), 1) << c.name;
        gLog.clear();
        c.end(window, view);
        EXPECT_EQ(CLowLevelApplication::FastIdleCount(), 0) << c.name;
        EXPECT_EQ(window.TrackingView(), nullptr) << c.name;
        EXPECT_EQ(gLog, c.log) << c.name;
        window.Close();
    }
    // Closing the window while tracking.
    CRecordingWindow& window = OpenWindow(false);
    new CRecordingView(&window.Root(), {10, 10, 60, 60}, false, true);
    QTest::mousePress(&window.Widget(), Qt::LeftButton, {}, QPoint(20, 20));
    ASSERT_EQ(CLowLevelApplication::FastIdleCount(), 1);
    window.Close();
    EXPECT_EQ(CLowLevelApplication::FastIdleCount(), 0);
}

TEST(KeyCodeTable, KeysFollowTheKeyboardRowsAndMatchTheDocumentKeyMap)
{
    using Map = CDocumentKeyMap;
    const std::tuple<int, bool, std::int32_t> keys[] = {
        {Qt::Key_F, false, 49}, {Qt::Key_Q, false, 32}, {Qt::Key_M, false, 66}, {Qt::Key_F15, false, 16},
        {Qt::Key_0, false, 27}, {Qt::Key_Return, false, 44}, {Qt::Key_3, true, 102}, {Qt::Key_Colon, false, 55},
        {Qt::Key_BracketRight, false, 0}, {Qt::Key_0, true, Map::kKeypad0}, {Qt::Key_1, true, Map::kKeypad1},
        {Qt::Key_2, true, Map::kKeypad2}, {Qt::Key_4, true, Map::kKeypad4}, {Qt::Key_6, true, Map::kKeypad6},
        {Qt::Key_7, true, Map::kKeypad7}, {Qt::Key_8, true, Map::kKeypad8}, {Qt::Key_9, true, Map::kKeypad9},
        {Qt::Key_Minus, true, Map::kKeypadMinus}, {Qt::Key_Plus, true, Map::kKeypadPlus},
        {Qt::Key_Enter, true, Map::kKeypadEnter}, {Qt::Key_Left, false, Map::kLeftArrow},
        {Qt::Key_Right, false, Map::kRightArrow}, {Qt::Key_Up, false, Map::kUpArrow}};
    for (const auto& [key, keypad, code] : keys)
        EXPECT_EQ(CKeyCodeTable::Code(key, keypad), code) << key << keypad;
    EXPECT_EQ(Qt::ControlModifier, Map::kControlModifier);
    EXPECT_EQ(Qt::AltModifier, Map::kAltModifier);
    EXPECT_EQ(Qt::ShiftModifier, Map::kShiftModifier);
}

TEST_F(WindowTest, HeldKeyGivesDownThenRepeatThenUp)
{
    CRecordingWindow& window = OpenWindow(false);
    CRecordingView* view = &FocusView(window, false);
    QWidget& widget = window.Widget();
    QTest::keyPress(&widget, Qt::Key_F);
    QTest::keyEvent(QTest::Press, &widget, Qt::Key_F, Qt::NoModifier, -1);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_F, Qt::NoModifier, QStringLiteral("f"), true);
    QCoreApplication::sendEvent(&widget, &repeat);
    QTest::keyRelease(&widget, Qt::Key_F);
    ASSERT_GE(view->keys.size(), 3u);
    EXPECT_EQ(view->keys.front().kind, CKeyEvent::kKeyDown);
    EXPECT_EQ(view->keys.front().code, 49);
    EXPECT_EQ(view->keys[view->keys.size() - 2].kind, CKeyEvent::kKeyRepeat);
    EXPECT_EQ(view->keys.back().kind, CKeyEvent::kKeyUp);
}

TEST(ModalDialog, ReturnAndEscapePressTheirButtonsOrReachTheFocusView)
{
    struct Case {
        Qt::Key key;
        bool withButtons;
        std::int32_t result;  // 0: the dialog stays open
    };
    for (const Case& c : {Case{Qt::Key_Return, true, 1}, Case{Qt::Key_Escape, true, 2}, Case{Qt::Key_Return, false, 0}}) {
        InstalledClock clock;
        CButtonDialog dialog;
        if (c.withButtons) {
            dialog.SetDefaultButton(dialog.yes);
            dialog.SetCancelButton(dialog.cancel);
        }
        dialog.Open();
        dialog.focus->Activate();
        QTest::keyClick(&dialog.Widget(), c.key);
        EXPECT_EQ(dialog.HasEnded() ? dialog.Result() : 0, c.result) << c.key;
        // The button is shown pressed for 8 ticks of 1/60 s first.
        EXPECT_EQ(clock.Milliseconds(), c.result ? 133 : 0) << c.key;
        if (!c.withButtons) {
            ASSERT_FALSE(dialog.focus->keys.empty());
            EXPECT_EQ(dialog.focus->keys.front().code, CKeyCodeTable::kReturn);
        }
    }
}

}  // namespace
