// The document window and its dialogs on the offscreen platform.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <Qt>
#include <functional>

#include "gui/framework/application/CApplication.h"
#include "gui/framework/controls/CPushButtonView.h"
#include "gui/framework/controls/CSingleLineTextEditView.h"
#include "gui/framework/views/CStaticTextView.h"
#include "gui/framework/views/CWindowRootGroupView.h"
#include "gui/framework/windows/CFrameWindow.h"
#include "gui/window/CAlertExportFeedback.h"
#include "gui/window/CNoLengthSpecifiedDialog.h"
#include "gui/window/COpenAudioFileDialog.h"
#include "gui/window/CQuilletWindow.h"
#include "tests/support/AlertRecorder.h"
#include "tests/support/WindowFixture.h"

namespace {

// Types text into a field as the user does.
void Type(CSingleLineTextEditView& field, const char* text)
{
    auto& edit = static_cast<QLineEdit&>(field.Widget());
    edit.setText(QString::fromLatin1(text));
    Q_EMIT edit.textEdited(edit.text());
}

TEST(NoLengthSpecifiedDialog, OKNeedsAtLeastOneBar)
{
    CNoLengthSpecifiedDialog dialog;
    EXPECT_FALSE(dialog.OKButton().IsEnabled());
    Type(dialog.BarsField(), "0");
    EXPECT_FALSE(dialog.OKButton().IsEnabled());
    Type(dialog.BarsField(), "3");
    EXPECT_TRUE(dialog.OKButton().IsEnabled());
    EXPECT_EQ(dialog.Bars(), 3);
    Type(dialog.BarsField(), "999");
    EXPECT_EQ(dialog.Bars(), 666);
    Type(dialog.BarsField(), "");
    EXPECT_FALSE(dialog.OKButton().IsEnabled());
    EXPECT_FALSE(dialog.Bars());
}

TEST(OpenAudioFileDialog, DescribesTheFileAndStartsOnTheLeftChannel)
{
    SoundFileInfo info;
    info.channels = 2;
    info.bitsPerSample = 16;
    info.sampleRate = 44100;
    info.frameCount = 88200;
    COpenAudioFileDialog stereo("/loops/beat.wav", info, nullptr);
    EXPECT_EQ(stereo.Description().Text(), "beat.wav: 16-bit Stereo, 44.1kHz, 2.000 s");
    EXPECT_EQ(stereo.Channel(), ChannelChoice::Left);
}

TEST(AlertExportFeedback, TooManySlicesNamesTheLimitAndTheFile)
{
    AlertRecorder alerts;
    CAlertExportFeedback feedback;
    EXPECT_TRUE(feedback.AcceptFirstSlices(CABCExportFeedback::ExportKind::kMIDI, 92));  // OK
    alerts.otherwise = 34;                                                                // Cancel
    EXPECT_FALSE(feedback.AcceptFirstSlices(CABCExportFeedback::ExportKind::kSLX, 1000));
    EXPECT_EQ(feedback.AskReplace("Beat 001.wav"), CABCExportFeedback::ReplaceAnswer::kReplaceAll);
    alerts.otherwise = 35;
    EXPECT_EQ(feedback.AskReplace("Beat 001.wav"), CABCExportFeedback::ReplaceAnswer::kReplace);
    ASSERT_EQ(alerts.shown.size(), 4u);
    EXPECT_NE(alerts.Message(0).find("first 92 slices will be included in the MIDI file"), std::string::npos);
    EXPECT_NE(alerts.Message(1).find("first 1000 slices will be included in the SLX file"), std::string::npos);
    EXPECT_NE(alerts.Message(2).find("Beat 001.wav"), std::string::npos);
}

class DocumentWindowTest : public ::testing::Test {
protected:
    void SetUp() override { application.Frame().show(); }

    CQuilletWindow& OpenWindow(std::initializer_list<std::uint32_t> points)
    {
        auto window = std::make_unique<CQuilletWindow>(application, MakeLoop(88200, points), session);
        auto& added = static_cast<CQuilletWindow&>(application.AddDocumentWindow(std::move(window)));
        added.Open();
        return added;
    }

    CApplication application{"Quillet"};
    AlertRecorder alerts;  // in front of the application's alert boxes
    std::shared_ptr<DocumentSession> session =
        std::make_shared<DocumentSession>([] { return false; }, [] { return nullptr; });
};

TEST_F(DocumentWindowTest, OpensWithTitleToolbarTooltipsLimitsAndTheLeftLocatorQuestion)
{
    CQuilletWindow& window = OpenWindow({0, 30000});
    EXPECT_EQ(window.Title(), "Beat (44.1kHz)");
    EXPECT_EQ(window.TooltipAt(10, 10), "Stop");
    // The toolbar shows pictures; the text is the tooltip.
    auto* stop = dynamic_cast<CPushButtonView*>(window.Root().HitTest(10, 10));
    ASSERT_NE(stop, nullptr);
    EXPECT_TRUE(stop->Text().empty());
    EXPECT_FALSE(static_cast<QPushButton&>(stop->Widget()).icon().isNull());
    EXPECT_EQ(window.Widget().minimumWidth(), CQuilletWindow::kMinimumWidth);
    EXPECT_EQ(window.Widget().minimumHeight(), CQuilletWindow::kMinimumHeight);
    EXPECT_TRUE(alerts.shown.empty());  // the first point is on the left locator already
    CQuilletWindow& asking = OpenWindow({1200});  // answered Yes, written last
    ASSERT_EQ(alerts.shown.size(), 1u);
    EXPECT_NE(alerts.Message(0).find("left locator"), std::string::npos);
    EXPECT_EQ(asking.Model().Sound().LoopStart(), 1200);
}

TEST_F(DocumentWindowTest, KeysReachTheModelAndTheTitleFollows)
{
    CQuilletWindow& window = OpenWindow({});
    window.HandleKey(Qt::Key_5, false, false, false, 0, '5');
    EXPECT_EQ(window.Model().Settings().sensitivity, 550);
    window.HandleKey(Qt::Key_4, false, false, false, Qt::ControlModifier, '4');
    EXPECT_EQ(window.Model().Tool(), DocumentTool::kPen);
    EXPECT_EQ(window.Title(), "Beat (44.1kHz) *");
}

TEST_F(DocumentWindowTest, KeysComeBackWhenAFieldEntryEnds)
{
    CQuilletWindow& window = OpenWindow({0, 30000, 60000});
    application.Frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&application.Frame()));
    CSingleLineTextEditView* bars = nullptr;
    for (int x = 250; x < 420 && !bars; ++x)
        bars = dynamic_cast<CSingleLineTextEditView*>(window.Root().HitTest(x, 40));
    ASSERT_NE(bars, nullptr);
    const auto keypad6 = [&] { return window.HandleKey(Qt::Key_6, true, false, false, Qt::KeypadModifier, '6'); };
    struct Case {
        const char* name;
        const char* typed;
        std::function<void()> end;
        int bars;
    };
    const Case cases[] = {
        {"Return", "7", [&] { window.HandleKey(Qt::Key_Return, false, false, false, 0, '\r'); }, 7},
        {"Escape", "9", [&] { window.HandleKey(Qt::Key_Escape, false, false, false, 0, 27); }, 7},
        {"keypad Enter", "5", [&] { window.HandleKey(Qt::Key_Enter, true, false, false, Qt::KeypadModifier, '\r'); }, 5},
        {"click on the waveform", "3", [&] {
             window.HandleMousePress(100, 150, 0, false);
             window.HandleMouseRelease(100, 150, 0);
         }, 3},
    };
    for (const Case& c : cases) {
        bars->Activate();
        Type(*bars, c.typed);
        EXPECT_TRUE(window.IsEditingText()) << c.name;
        const int current = window.Model().PlayState().CurrentSlice();
        EXPECT_FALSE(keypad6()) << c.name;  // typing: the field's
        EXPECT_EQ(window.Model().PlayState().CurrentSlice(), current) << c.name;
        c.end();
        EXPECT_FALSE(window.IsEditingText()) << c.name;
        EXPECT_EQ(window.Model().Settings().bars, c.bars) << c.name;
        EXPECT_EQ(bars->Text(), std::to_string(c.bars)) << c.name;
        EXPECT_TRUE(keypad6()) << c.name;  // the document's again
        EXPECT_NE(window.Model().PlayState().CurrentSlice(), current) << c.name;
    }
}

TEST_F(DocumentWindowTest, LeavingAWindowKeepsItsTogglesForNewDocuments)
{
    CQuilletWindow& first = OpenWindow({});
    first.DoCommand(1204);  // Normalize
    CQuilletWindow& second = OpenWindow({});
    application.ActivateDocumentWindow(second);
    EXPECT_TRUE(session->preferences.lastUsed.normalize);
    EXPECT_TRUE(session->preferences.NewDocumentSettings().normalize);
}

}  // namespace
