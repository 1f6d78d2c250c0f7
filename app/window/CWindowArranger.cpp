#include "app/window/CWindowArranger.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>

#include "app/commands/CFrameResize.h"

std::vector<QMdiSubWindow*> CWindowArranger::ShownWindows() const
{
    std::vector<QMdiSubWindow*> shown;
    for (QMdiSubWindow* window : area_.subWindowList(QMdiArea::CreationOrder)) {
        if (!window->isHidden() && !window->isMinimized())
            shown.push_back(window);
    }
    return shown;
}

void CWindowArranger::Cascade()
{
    area_.cascadeSubWindows();
}

void CWindowArranger::TileHorizontally()
{
    Tile(true);
}

void CWindowArranger::TileVertically()
{
    Tile(false);
}

void CWindowArranger::Tile(bool aboveEachOther)
{
    const std::vector<QMdiSubWindow*> windows = ShownWindows();
    if (windows.empty())
        return;
    const QRect space = area_.viewport()->rect();
    const int count = static_cast<int>(windows.size());
    for (int i = 0; i < count; ++i) {
        QMdiSubWindow* window = windows[static_cast<std::size_t>(i)];
        if (window->isMaximized())
            window->showNormal();
        if (aboveEachOther) {
            const int top = space.height() * i / count;
            window->setGeometry(0, top, space.width(), space.height() * (i + 1) / count - top);
        } else {
            const int left = space.width() * i / count;
            window->setGeometry(left, 0, space.width() * (i + 1) / count - left, space.height());
        }
    }
}

void CWindowArranger::ResizeFrameToDocuments(QMainWindow& frame)
{
    std::vector<CFrameResize::Rect> documents;
    for (const QMdiSubWindow* window : ShownWindows()) {
        const QRect r = window->geometry();
        documents.push_back({r.left(), r.top(), r.left() + r.width(), r.top() + r.height()});
    }
    if (documents.empty())
        return;
    const QRect outer = frame.frameGeometry();
    const QSize client = area_.viewport()->size();
    QRect work(0, 0, 1280, 800);
    if (const QScreen* screen = frame.screen() ? frame.screen() : QGuiApplication::primaryScreen())
        work = screen->availableGeometry();
    const CFrameResize::Rect result = CFrameResize::Compute(
        documents, {outer.left(), outer.top(), outer.left() + outer.width(), outer.top() + outer.height()},
        outer.width() - client.width(), outer.height() - client.height(),
        {work.left(), work.top(), work.left() + work.width(), work.top() + work.height()});
    // Move and size together; the frame's decorations stay outside the size.
    const int decorationWidth = outer.width() - frame.width();
    const int decorationHeight = outer.height() - frame.height();
    frame.setGeometry(result.left + (frame.geometry().left() - outer.left()),
                      result.top + (frame.geometry().top() - outer.top()), result.Width() - decorationWidth,
                      result.Height() - decorationHeight);
}
