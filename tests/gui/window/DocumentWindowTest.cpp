// The document window and its dialogs on the offscreen platform.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <Qt>

#include "framework/alerts/CABCAlertPresenter.h"
#include "gui/framework/application/CApplication.h"
#include "gui/framework/controls/CPushButtonView.h"
#include "gui/framework/controls/CSingleLineTextEditView.h"
#include "gui/framework/views/CKeyCodeTable.h"
#include "gui/framework/views/CStaticTextView.h"
#include "gui/framework/views/CWindowRootGroupView.h"
#include "gui/framework/windows/CFrameWindow.h"
#include "gui/window/CAlertExportFeedback.h"
#include "gui/window/CNoLengthSpecifiedDialog.h"
#include "gui/window/COpenAudioFileDialog.h"
#include "gui/window/CQuilletWindow.h"
#include "tests/support/WindowFixture.h"

namespace {

// Types text into a field as the user does.
void Type(CSingleLineTextEditView& field, const char* text)
{
    auto& edit = static_cast<QLineEdit&>(field.Widget());
    edit.setText(QString::fromLatin1(text));
    Q_EMIT edit.textEdited(edit.text());
}

class AnsweringAlerts : public CABCAlertPresenter {
public:
    std::int32_t Present(const AlertDefinition& alert) override
    {
        titles.push_back(alert.message);
        return answer;
    }
    std::int32_t answer = 33;
    std::vector<std::string> titles;
};

TEST(DocumentKeyCodes, MatchTheFrameworkKeyTable)
{
    using Map = CDocumentKeyMap;
    const std::pair<int, std::int32_t> keypad[] = {
        {Qt::Key_0, Map::kKeypad0}, {Qt::Key_1, Map::kKeypad1}, {Qt::Key_2, Map::kKeypad2},
        {Qt::Key_4, Map::kKeypad4}, {Qt::Key_6, Map::kKeypad6}, {Qt::Key_7, Map::kKeypad7},
        {Qt::Key_8, Map::kKeypad8}, {Qt::Key_9, Map::kKeypad9}, {Qt::Key_Minus, Map::kKeypadMinus},
        {Qt::Key_Plus, Map::kKeypadPlus}, {Qt::Key_Enter, Map::kKeypadEnter}};
    for (const auto& [key, code] : keypad)
        EXPECT_EQ(CKeyCodeTable::Code(key, true), code) << key;
    EXPECT_EQ(CKeyCodeTable::Code(Qt::Key_Left, false), Map::kLeftArrow);
    EXPECT_EQ(CKeyCodeTable::Code(Qt::Key_Right, false), Map::kRightArrow);
    EXPECT_EQ(CKeyCodeTable::Code(Qt::Key_Up, false), Map::kUpArrow);
    EXPECT_EQ(Qt::ControlModifier, Map::kControlModifier);
    EXPECT_EQ(Qt::AltModifier, Map::kAltModifier);
    EXPECT_EQ(Qt::ShiftModifier, Map::kShiftModifier);
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
    AnsweringAlerts alerts;
    CABCAlertPresenter* previous = CABCAlertPresenter::Install(&alerts);
    CAlertExportFeedback feedback;
    EXPECT_TRUE(feedback.AcceptFirstSlices(CABCExportFeedback::ExportKind::kMIDI, 92));  // OK
    alerts.answer = 34;                                                                   // Cancel
    EXPECT_FALSE(feedback.AcceptFirstSlices(CABCExportFeedback::ExportKind::kSLX, 1000));
    EXPECT_EQ(feedback.AskReplace("Beat 001.wav"), CABCExportFeedback::ReplaceAnswer::kReplaceAll);
    alerts.answer = 35;
    EXPECT_EQ(feedback.AskReplace("Beat 001.wav"), CABCExportFeedback::ReplaceAnswer::kReplace);
    CABCAlertPresenter::Install(previous);
    ASSERT_EQ(alerts.titles.size(), 4u);
    EXPECT_NE(alerts.titles[0].find("first 92 slices will be included in the MIDI file"), std::string::npos);
    EXPECT_NE(alerts.titles[1].find("first 1000 slices will be included in the SLX file"), std::string::npos);
    EXPECT_NE(alerts.titles[2].find("Beat 001.wav"), std::string::npos);
}

class DocumentWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous = CABCAlertPresenter::Install(&alerts);
        application.Frame().show();
    }
    void TearDown() override { CABCAlertPresenter::Install(previous); }

    CQuilletWindow& OpenWindow(std::initializer_list<std::uint32_t> points)
    {
        auto window = std::make_unique<CQuilletWindow>(application, MakeLoop(88200, points), session);
        auto& added = static_cast<CQuilletWindow&>(application.AddDocumentWindow(std::move(window)));
        added.Open();
        return added;
    }

    AnsweringAlerts alerts;
    CABCAlertPresenter* previous = nullptr;
    CApplication application{"Quillet"};
    std::shared_ptr<DocumentSession> session =
        std::make_shared<DocumentSession>([] { return false; }, [] { return nullptr; });
};

TEST_F(DocumentWindowTest, OpensWithTitleToolbarTooltipsAndLimits)
{
    CQuilletWindow& window = OpenWindow({0, 30000});
    EXPECT_EQ(window.Title(), "Beat (44.1kHz)");
    EXPECT_EQ(window.TooltipAt(10, 10), "Stop");
    EXPECT_EQ(window.Widget().minimumWidth(), CQuilletWindow::kMinimumWidth);
    EXPECT_EQ(window.Widget().minimumHeight(), CQuilletWindow::kMinimumHeight);
    EXPECT_TRUE(alerts.titles.empty());
}

TEST_F(DocumentWindowTest, LeftLocatorQuestionAnsweredYesMovesIt)
{
    alerts.answer = 33;  // Yes, written last
    CQuilletWindow& window = OpenWindow({1200});
    ASSERT_EQ(alerts.titles.size(), 1u);
    EXPECT_NE(alerts.titles[0].find("left locator"), std::string::npos);
    EXPECT_EQ(window.Model().Sound().LoopStart(), 1200);
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

TEST_F(DocumentWindowTest, DigitsTypedIntoTheBarsFieldStayThere)
{
    CQuilletWindow& window = OpenWindow({});
    CView* bars = nullptr;
    for (int x = 300; x < 420 && !bars; ++x)
        if (CView* view = window.Root().HitTest(x, 40); view && dynamic_cast<CSingleLineTextEditView*>(view))
            bars = view;
    ASSERT_NE(bars, nullptr);
    bars->Activate();
    EXPECT_FALSE(window.HandleKey(Qt::Key_5, false, false, false, 0, '5'));
    EXPECT_EQ(window.Model().Settings().sensitivity, 0);
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
