// The alert box: button order and codes, default and arrow-key focus, Return,
// Escape and closing, growing text, and the presenter seam.
#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QFontMetrics>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "framework/alerts/Alerts.h"
#include "framework/alerts/CABCAlertPresenter.h"
#include "framework/resources/ResourceScripts.h"
#include "framework/time/CManualClock.h"
#include "gui/framework/alerts/CAlertBox.h"
#include "gui/framework/controls/CPushButtonView.h"
#include "gui/framework/views/CIconView.h"
#include "gui/framework/views/CStaticTextView.h"

namespace {

AlertDefinition Alert(ResourceId id)
{
    return ParseAlertScript(GetAlertScript(id));
}

void Key(CAlertBox& box, Qt::Key key)
{
    QTest::keyClick(&box.Button(box.FocusedButton())->Widget(), key);
}

TEST(AlertBox, TwoButtonsShowTheLastWrittenAtTheLeftAsDefault)
{
    CAlertBox box(Alert(Res::kAlertMoveLeftLocator));  // ...[No][Yes]
    ASSERT_NE(box.Button(2), nullptr);
    EXPECT_EQ(box.Button(3), nullptr);
    EXPECT_TRUE(box.Button(1)->HasDefaultLook());
    // The pair is centred: shifted right by 29 units.
    EXPECT_EQ(box.Button(1)->GetFrame().left, box.Units().ToPixelsX(39));
    EXPECT_EQ(box.IconView().GetIcon(), CIconView::Icon::kInformation);
}

TEST(AlertBox, ReturnPressesTheDefaultAfterEightTicks)
{
    CManualClock clock;
    CClock* previous = CClock::Install(&clock);
    CAlertBox box(Alert(Res::kAlertMoveLeftLocator));
    box.Open();
    Key(box, Qt::Key_Return);
    EXPECT_TRUE(box.HasEnded());
    EXPECT_EQ(box.Result(), kAlertButtonSlot0);
    EXPECT_EQ(clock.Milliseconds(), 133);
    CClock::Install(previous);
}

TEST(AlertBox, ThreeButtonsInReverseScriptOrderGiveTheirCodes)
{
    const char* labels[] = {"Cancel", "Replace All", "Replace"};
    for (int item = 1; item <= 3; ++item) {
        CAlertBox box(Alert(Res::kAlertFileExists));  // [Replace][Replace All][Cancel]
        EXPECT_EQ(box.Button(item)->Text(), labels[item - 1]);
        QTimer::singleShot(0, [&] { QTest::mouseClick(&box.Button(item)->Widget(), Qt::LeftButton); });
        EXPECT_EQ(box.RunModal(), 32 + item);
    }
    CAlertBox box(Alert(Res::kAlertFileExists));
    EXPECT_EQ(box.TextView().Text().rfind("The file already exists! ", 0), 0u);
    EXPECT_EQ(box.IconView().GetIcon(), CIconView::Icon::kExclamation);
}

TEST(AlertBox, ArrowsMoveTheFocusRoundTheButtons)
{
    CAlertBox box(Alert(Res::kAlertFileExists));
    box.Open();
    EXPECT_EQ(box.FocusedButton(), 1);
    Key(box, Qt::Key_Right);
    EXPECT_EQ(box.FocusedButton(), 2);
    Key(box, Qt::Key_Right);
    EXPECT_EQ(box.FocusedButton(), 3);
    Key(box, Qt::Key_Right);
    EXPECT_EQ(box.FocusedButton(), 1);
    Key(box, Qt::Key_Left);
    EXPECT_EQ(box.FocusedButton(), 3);
    // Return still presses the default, whatever has the focus.
    Key(box, Qt::Key_Return);
    EXPECT_EQ(box.Result(), kAlertButtonSlot0);
}

TEST(AlertBox, EscapeAndCloseAnswerCancelOrElseCloseAnswersTheDefault)
{
    struct Case {
        AlertDefinition alert;
        bool escape;          // else the close box
        std::int32_t result;  // -1: the box stays open
    };
    const Case cases[] = {{Alert(Res::kAlertFileExists), true, kAlertButtonSlot0},  // "Cancel" is the last written
                          {ParseAlertScript("[WARN]Go on?[Cancel][OK]"), false, kAlertButtonSlot1},
                          {Alert(Res::kAlertMoveLeftLocator), true, -1},
                          {Alert(Res::kAlertMoveLeftLocator), false, kAlertButtonSlot0}};
    for (const Case& c : cases) {
        CAlertBox box(c.alert);
        box.Open();
        if (c.escape) {
            Key(box, Qt::Key_Escape);
        } else {
            QCloseEvent close;
            QCoreApplication::sendEvent(&box.Widget(), &close);
        }
        EXPECT_EQ(box.HasEnded(), c.result >= 0) << c.alert.message;
        if (c.result >= 0) {
            EXPECT_EQ(box.Result(), c.result) << c.alert.message;
        }
    }
}

TEST(AlertBox, OneButtonIsCentredAndEmptyScriptStillHasIt)
{
    CAlertBox box(ParseAlertScript(""));
    ASSERT_NE(box.Button(1), nullptr);
    EXPECT_EQ(box.Button(2), nullptr);
    EXPECT_EQ(box.Button(1)->GetFrame().left, box.Units().ToPixelsX(68));
    EXPECT_EQ(box.IconView().GetIcon(), CIconView::Icon::kNone);
    // Without an icon the text starts at the icon's left edge.
    EXPECT_EQ(box.TextView().GetFrame().left, box.Units().ToPixelsX(10));
}

TEST(AlertBox, LongTextMakesTheBoxTaller)
{
    CAlertBox shortBox(ParseAlertScript("[STOP]Short.[OK]"));
    shortBox.Open();
    std::string message;
    for (int i = 0; i < 60; ++i)
        message += "A rather long sentence. ";
    CAlertBox longBox(ParseAlertScript("[STOP]" + message + "[OK]"));
    longBox.Open();
    const CStaticTextView& text = longBox.TextView();
    EXPECT_GE(text.GetFrame().Height(), text.HeightForWidth(longBox.Widget().font(), text.GetFrame().Width()));
    EXPECT_GT(longBox.Widget().height(), shortBox.Widget().height());
    EXPECT_GE(longBox.Button(1)->GetFrame().top, text.GetFrame().bottom);
}

TEST(AlertBox, TextWrapsBetweenWordsAndBreaksOnlyAWordWiderThanTheBox)
{
    CAlertBox box(Alert(Res::kAlertNoSamplersInstalled));
    box.Open();
    const CStaticTextView& text = box.TextView();
    const QFont font = box.Widget().font();
    const int width = text.GetFrame().Width();
    const std::vector<std::string> lines = text.WrappedLines(font, width);
    ASSERT_GT(lines.size(), 2u);
    // Put back together with one blank per break, the lines give the text.
    std::string joined;
    for (const std::string& line : lines) {
        EXPECT_LE(QFontMetrics(font).horizontalAdvance(QString::fromStdString(line)), width) << line;
        joined += (joined.empty() ? "" : " ") + line;
    }
    std::string expected = text.Text();
    for (char& c : expected)
        c = c == '\r' ? ' ' : c;
    EXPECT_EQ(joined, expected);

    const std::string word(80, 'W');
    CAlertBox wide(ParseAlertScript("[STOP]A " + word + " word.[OK]"));
    wide.Open();
    const std::vector<std::string> broken = wide.TextView().WrappedLines(font, width);
    ASSERT_GE(broken.size(), 4u);
    EXPECT_EQ(broken.front().substr(broken.front().find_first_not_of(' ')), "A");
    for (std::size_t i = 1; i + 1 < broken.size(); ++i)
        EXPECT_EQ(broken[i].find_first_not_of('W'), std::string::npos) << broken[i];
    EXPECT_EQ(broken.back().substr(broken.back().size() - 5), "word.");
}

struct AnsweringPresenter : CABCAlertPresenter {
    std::int32_t Present(const AlertDefinition& alert) override
    {
        shown = alert;
        return kAlertButtonSlot1;
    }
    AlertDefinition shown;
};

TEST(ShowAlert, PresenterSeesTheSubstitutedAlert)
{
    AnsweringPresenter presenter;
    CABCAlertPresenter* previous = CABCAlertPresenter::Install(&presenter);
    EXPECT_EQ(ShowAlertWithArgument(Res::kAlertFileExists, "a[b]^1"), kAlertButtonSlot1);
    EXPECT_NE(presenter.shown.message.find("a(b)~1"), std::string::npos);
    CABCAlertPresenter::Install(previous);
}

TEST(ShowAlert, WithoutPresenterAnswersAsClosing)
{
    ASSERT_EQ(CABCAlertPresenter::Current(), nullptr);
    EXPECT_EQ(ShowAlert(Res::kAlertFileExists), kAlertButtonSlot0);
    EXPECT_EQ(ShowAlertText("[NOTE]Sure?[Cancel][OK]"), kAlertButtonSlot1);
    EXPECT_EQ(ShowAlertText("[NOTE]Sure?[No][Yes]"), kAlertButtonSlot0);
}

}  // namespace
