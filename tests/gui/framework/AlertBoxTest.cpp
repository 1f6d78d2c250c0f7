// The alert box: button order and codes, default and arrow-key focus, Escape
// and closing, growing text in a box of fixed size without a close box, and
// the presenter seam.
#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QFontMetrics>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "framework/alerts/Alerts.h"
#include "framework/resources/ResourceScripts.h"
#include "gui/framework/alerts/CAlertBox.h"
#include "gui/framework/controls/CPushButtonView.h"
#include "gui/framework/views/CIconView.h"
#include "gui/framework/views/CStaticTextView.h"
#include "tests/support/AlertRecorder.h"

namespace {

AlertDefinition Alert(ResourceId id)
{
    return ParseAlertScript(GetAlertScript(id));
}

void Key(CAlertBox& box, Qt::Key key)
{
    QTest::keyClick(&box.Button(box.FocusedButton())->Widget(), key);
}

TEST(AlertBox, ButtonsStandWhereTheLayoutPutsThemAndAnswerTheirCodesUnderTheIcon)
{
    struct Case {
        AlertDefinition alert;
        int buttons;    // the last one is clicked
        int firstLeft;  // in dialog units
        CIconView::Icon icon;
    };
    const Case cases[] = {{Alert(Res::kAlertMoveLeftLocator), 2, 39, CIconView::Icon::kInformation},
                          {Alert(Res::kAlertFileExists), 3, 10, CIconView::Icon::kExclamation},
                          {ParseAlertScript(""), 1, 68, CIconView::Icon::kNone},
                          {ParseAlertScript("[STOP]Stop.[OK]"), 1, 68, CIconView::Icon::kStop}};
    for (const Case& c : cases) {
        CAlertBox box(c.alert);
        EXPECT_EQ(box.Button(c.buttons + 1), nullptr) << c.buttons;
        EXPECT_TRUE(box.Button(1)->HasDefaultLook());
        EXPECT_EQ(box.Button(1)->GetFrame().left, box.Units().ToPixelsX(c.firstLeft));
        EXPECT_EQ(box.IconView().GetIcon(), c.icon);
        QTimer::singleShot(0, [&] { QTest::mouseClick(&box.Button(c.buttons)->Widget(), Qt::LeftButton); });
        EXPECT_EQ(box.RunModal(), 32 + c.buttons);
    }
}

TEST(AlertBox, ArrowsMoveTheFocusRoundTheButtonsAndReturnPressesTheDefault)
{
    CAlertBox box(Alert(Res::kAlertFileExists));
    box.Open();
    EXPECT_EQ(box.FocusedButton(), 1);
    Key(box, Qt::Key_Right);
    EXPECT_EQ(box.FocusedButton(), 2);
    Key(box, Qt::Key_Left);
    Key(box, Qt::Key_Left);
    EXPECT_EQ(box.FocusedButton(), 3);
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

TEST(AlertBox, LongTextMakesTheBoxTallerAndTheSizeStaysFixed)
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
    // No close box; the user cannot resize (or maximise) the box.
    for (CAlertBox* box : {&shortBox, &longBox}) {
        const QWidget& widget = box->Widget();
        EXPECT_FALSE(widget.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        EXPECT_EQ(widget.minimumSize(), widget.size());
        EXPECT_EQ(widget.maximumSize(), widget.size());
    }
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

TEST(ShowAlert, PresenterSeesTheSubstitutedAlert)
{
    AlertRecorder presenter(kAlertButtonSlot1);
    EXPECT_EQ(ShowAlertWithArgument(Res::kAlertFileExists, "a[b]^1"), kAlertButtonSlot1);
    EXPECT_NE(presenter.Message(0).find("a(b)~1"), std::string::npos);
}

TEST(ShowAlert, WithoutPresenterAnswersAsClosing)
{
    ASSERT_EQ(CABCAlertPresenter::Current(), nullptr);
    EXPECT_EQ(ShowAlert(Res::kAlertFileExists), kAlertButtonSlot0);
    EXPECT_EQ(ShowAlertText("[NOTE]Sure?[Cancel][OK]"), kAlertButtonSlot1);
    EXPECT_EQ(ShowAlertText("[NOTE]Sure?[No][Yes]"), kAlertButtonSlot0);
}

}  // namespace
