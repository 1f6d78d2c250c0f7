#include "app/window/CWindowArranger.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

namespace {

class WindowArrangerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        area_ = new QMdiArea;
        frame_.setCentralWidget(area_);
        frame_.setGeometry(100, 100, 800, 600);
        frame_.show();
        for (int i = 0; i < 3; ++i) {
            QMdiSubWindow* window = area_->addSubWindow(new QWidget);
            window->setGeometry(10 * i, 10 * i, 200, 150);
            window->show();
            windows_.push_back(window);
        }
        QApplication::processEvents();
    }

    QMainWindow frame_;
    QMdiArea* area_ = nullptr;
    std::vector<QMdiSubWindow*> windows_;
};

}  // namespace

TEST_F(WindowArrangerTest, TileHorizontallyStacksTheShownWindows)
{
    windows_[1]->showMinimized();
    CWindowArranger arranger(*area_);
    ASSERT_EQ(arranger.ShownWindows().size(), 2u);
    arranger.TileHorizontally();
    const QSize space = area_->viewport()->size();
    EXPECT_EQ(windows_[0]->geometry(), QRect(0, 0, space.width(), space.height() / 2));
    EXPECT_EQ(windows_[2]->geometry().top(), space.height() / 2);
    EXPECT_EQ(windows_[2]->geometry().bottom(), space.height() - 1);
    EXPECT_TRUE(windows_[1]->isMinimized());
}

TEST_F(WindowArrangerTest, TileVerticallyPutsThemSideBySide)
{
    CWindowArranger arranger(*area_);
    arranger.TileVertically();
    const QSize space = area_->viewport()->size();
    EXPECT_EQ(windows_[0]->geometry().left(), 0);
    EXPECT_EQ(windows_[1]->geometry().left(), space.width() / 3);
    EXPECT_EQ(windows_[2]->geometry().right(), space.width() - 1);
    for (QMdiSubWindow* window : windows_)
        EXPECT_EQ(window->height(), space.height());
}

TEST_F(WindowArrangerTest, CascadeOffsetsEachWindow)
{
    CWindowArranger arranger(*area_);
    arranger.Cascade();
    EXPECT_LT(windows_[0]->geometry().top(), windows_[1]->geometry().top());
    EXPECT_LT(windows_[1]->geometry().left(), windows_[2]->geometry().left());
}

TEST_F(WindowArrangerTest, ResizeFrameFitsTheDocuments)
{
    CWindowArranger arranger(*area_);
    const QSize before = frame_.size();
    arranger.ResizeFrameToDocuments(frame_);
    QApplication::processEvents();
    // The last window reaches 220 × 170 inside the area.
    EXPECT_EQ(area_->viewport()->width(), 220);
    EXPECT_EQ(area_->viewport()->height(), 170);
    EXPECT_NE(frame_.size(), before);
}
