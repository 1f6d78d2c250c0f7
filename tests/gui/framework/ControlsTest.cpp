// Views and native controls: values and notifications, radio groups, ranges
// of scroll bars and faders, visibility through ancestors, hit tests,
// tooltips, and the save question.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QTest>

#include "gui/framework/controls/CCheckBoxView.h"
#include "gui/framework/controls/CFaderView.h"
#include "gui/framework/controls/CPushButtonView.h"
#include "gui/framework/controls/CRadioButtonView.h"
#include "gui/framework/controls/CScrollBarView.h"
#include "gui/framework/controls/CSingleLineTextEditView.h"
#include "gui/framework/views/CRadioButtonGroupView.h"
#include "gui/framework/views/CStaticTextView.h"
#include "gui/framework/views/CWindowRootGroupView.h"
#include "gui/framework/windows/CSaveQuestionDialog.h"

namespace {

class CNotedWindow : public CABCWindow {
public:
    CNotedWindow() { SetContentSize(300, 200); }
    void ControlNotify(CView& source, std::int32_t code) override { notes.push_back({&source, code}); }

    std::vector<std::pair<CView*, std::int32_t>> notes;
};

TEST(Controls, CheckBoxClickChangesValueAndNotifies)
{
    CNotedWindow window;
    auto* box = new CCheckBoxView(&window.Root(), {10, 10, 100, 30}, "Normalize");
    window.Open();
    QTest::mouseClick(&box->Widget(), Qt::LeftButton, {}, QPoint(5, 10));
    EXPECT_TRUE(box->IsChecked());
    ASSERT_EQ(window.notes.size(), 1u);
    EXPECT_EQ(window.notes[0].first, box);
    box->SetChecked(false);  // the program's own change is not reported
    EXPECT_FALSE(static_cast<QCheckBox&>(box->Widget()).isChecked());
    EXPECT_EQ(window.notes.size(), 1u);
}

TEST(Controls, RadioGroupKeepsOneSelected)
{
    CNotedWindow window;
    auto* group = new CRadioButtonGroupView(&window.Root(), {0, 0, 200, 100});
    auto* first = new CRadioButtonView(group, {0, 0, 100, 20}, "Plain");
    auto* second = new CRadioButtonView(group, {0, 30, 100, 50}, "3D");
    group->Select(0);
    window.Open();
    QTest::mouseClick(&second->Widget(), Qt::LeftButton, {}, QPoint(5, 10));
    EXPECT_EQ(group->SelectedIndex(), 1);
    EXPECT_FALSE(static_cast<QRadioButton&>(first->Widget()).isChecked());
    ASSERT_EQ(window.notes.size(), 1u);
    EXPECT_EQ(window.notes[0].first, group);
    // Clicking the selected one leaves it selected.
    QTest::mouseClick(&second->Widget(), Qt::LeftButton, {}, QPoint(5, 10));
    EXPECT_EQ(group->SelectedIndex(), 1);
    EXPECT_TRUE(static_cast<QRadioButton&>(second->Widget()).isChecked());
}

TEST(Controls, ScrollBarAndFaderRangeIsZeroTo999)
{
    CNotedWindow window;
    for (bool vertical : {true, false}) {
        auto* bar = new CScrollBarView(&window.Root(), vertical ? PixelRect{0, 0, 16, 40} : PixelRect{20, 0, 300, 16}, vertical);
        EXPECT_EQ(static_cast<QScrollBar&>(bar->Widget()).maximum(), 999);
    }
    auto* fader = new CFaderView(&window.Root(), 0, 100, false);
    EXPECT_EQ(fader->GetFrame(), (PixelRect{0, 100, 100, 125}));
    auto& slider = static_cast<QSlider&>(fader->Widget());
    EXPECT_EQ(slider.maximum(), 999);
    slider.triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(fader->Value(), 100);
    ASSERT_FALSE(window.notes.empty());
    EXPECT_EQ(window.notes.back().first, fader);
}

TEST(Views, ControlFollowsTheVisibilityOfItsAncestors)
{
    CNotedWindow window;
    auto* group = new CGroupView(&window.Root(), {50, 50, 250, 150});
    auto* button = new CPushButtonView(group, {10, 10, 80, 30}, "OK");
    window.Open();
    EXPECT_EQ(button->Widget().geometry(), QRect(60, 60, 70, 20));
    EXPECT_TRUE(button->Widget().isVisible());
    group->SetVisible(false);
    EXPECT_FALSE(button->Widget().isVisible());
    group->SetVisible(true);
    group->SetEnabled(false);
    EXPECT_FALSE(button->Widget().isEnabled());
}

TEST(Views, HitTestFindsTheDeepestViewAndTooltipsClimb)
{
    CNotedWindow window;
    auto* group = new CGroupView(&window.Root(), {50, 50, 250, 150});
    group->SetTooltip("Group tip");
    auto* inner = new CStaticTextView(group, {10, 10, 60, 30}, "x");
    EXPECT_EQ(window.Root().HitTest(65, 65), inner);
    EXPECT_EQ(window.Root().HitTest(200, 120), group);
    EXPECT_EQ(window.Root().HitTest(10, 10), &window.Root());
    EXPECT_EQ(window.TooltipAt(65, 65), "Group tip");
    inner->SetTooltip("Inner tip");
    EXPECT_EQ(window.TooltipAt(65, 65), "Inner tip");
    EXPECT_EQ(window.TooltipAt(10, 10), "");
}

class CMarkerView : public CGroupView {
public:
    using CGroupView::CGroupView;
    CursorShape AdjustCursor(const CMouseEvent& event) const override
    {
        return event.x < 10 ? CursorShape::kSizeHorizontal : CGroupView::AdjustCursor(event);
    }
};

TEST(Views, PointerShapeComesFromTheViewOrItsAncestors)
{
    CNotedWindow window;
    auto* markers = new CMarkerView(&window.Root(), {100, 0, 200, 100});
    new CStaticTextView(markers, {0, 50, 100, 100}, "inner");
    EXPECT_EQ(window.CursorAt(105, 20, 0), CursorShape::kSizeHorizontal);
    EXPECT_EQ(window.CursorAt(150, 20, 0), CursorShape::kArrow);
    // The inner view asks its parent with the point in the parent's terms.
    EXPECT_EQ(window.CursorAt(105, 70, 0), CursorShape::kSizeHorizontal);
    EXPECT_EQ(window.CursorAt(150, 70, 0), CursorShape::kArrow);
}

TEST(Views, ControlTakingTheKeyboardFocusBecomesTheFocusViewAndADestroyedOneIsForgotten)
{
    CNotedWindow window;
    auto* drawn = new CStaticTextView(&window.Root(), {0, 0, 10, 10}, "x");
    drawn->SetFocusable(true);
    auto* field = new CSingleLineTextEditView(&window.Root(), 20, 0, 80, 4);
    window.Open();
    drawn->Activate();
    EXPECT_EQ(window.FocusView(), drawn);
    QFocusEvent focusIn(QEvent::FocusIn, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(&field->Widget(), &focusIn);
    EXPECT_EQ(window.FocusView(), field);
    delete field;
    EXPECT_EQ(window.FocusView(), nullptr);
}

TEST(SaveQuestion, FillsKindAndNameAndAnswersByButtonOrCancelOnClosing)
{
    CSaveQuestionDialog dialog("Quillet!", "100%s loop");
    EXPECT_EQ(dialog.Question().Text(), "Save changes to the Quillet! document \"100%s loop\" before closing?");
    // Left to right: Yes, No, Cancel.
    EXPECT_LT(dialog.Button(CSaveQuestionDialog::kYes)->GetFrame().left,
              dialog.Button(CSaveQuestionDialog::kNo)->GetFrame().left);
    EXPECT_LT(dialog.Button(CSaveQuestionDialog::kNo)->GetFrame().left,
              dialog.Button(CSaveQuestionDialog::kCancel)->GetFrame().left);
    dialog.Open();
    QTest::mouseClick(&dialog.Button(CSaveQuestionDialog::kNo)->Widget(), Qt::LeftButton);
    EXPECT_EQ(dialog.Result(), CSaveQuestionDialog::kNo);
    // The close box answers Cancel.
    CSaveQuestionDialog closed("Quillet!", "Loop");
    closed.Open();
    QCloseEvent close;
    QCoreApplication::sendEvent(&closed.Widget(), &close);
    EXPECT_EQ(closed.Result(), CSaveQuestionDialog::kCancel);
}

}  // namespace
