// The progress window: its figures, a click noticed at the next refresh,
// and keys that never cancel.
#include <gtest/gtest.h>

#include <QTest>

#include "gui/framework/controls/CProgressBarView.h"
#include "gui/framework/controls/CPushButtonView.h"
#include "gui/framework/progress/CLengthyOperationWindow.h"
#include "gui/framework/views/CStaticTextView.h"

namespace {

TEST(ProgressWindow, ShowsFiguresAndNoticesAClickButNoKeyAtTheNextRefresh)
{
    CLengthyOperationWindow window("Slices left:", "Stop");
    window.Open();
    window.Refresh("Slices left:", 12, 50);
    EXPECT_EQ(window.Bar().NativePosition(), 500);
    EXPECT_EQ(window.ValueView().Text(), "12");
    EXPECT_EQ(window.Button().Text(), "Stop");
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Escape})
        QTest::keyClick(&window.Button().Widget(), key);
    window.Refresh("Slices left:", 11, 55);
    EXPECT_FALSE(window.Cancelled());
    QTest::mouseClick(&window.Button().Widget(), Qt::LeftButton);
    EXPECT_FALSE(window.Cancelled());
    window.Refresh("Slices left:", 10, 60);
    EXPECT_TRUE(window.Cancelled());
    window.Refresh("Slices left:", 9, 65);
    EXPECT_TRUE(window.Cancelled());
}

}  // namespace
