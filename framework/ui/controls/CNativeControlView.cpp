#include "framework/ui/controls/CNativeControlView.h"

#include <QWidget>

#include "framework/exceptions/Exceptions.h"
#include "framework/ui/views/CGroupView.h"
#include "framework/ui/windows/CABCWindow.h"

CNativeControlView::CNativeControlView(CGroupView* parent, const PixelRect& frame, QWidget* widget)
    : CControlView(parent, frame), fWidget(widget)
{
    if (!GetWindow() || !fWidget) {
        delete fWidget;
        throw XBase();  // a native control needs a window to live in
    }
    fWidget->setParent(&GetWindow()->Widget());
    StateChanged();
}

CNativeControlView::~CNativeControlView()
{
    delete fWidget;
}

void CNativeControlView::Activate()
{
    CControlView::Activate();
    if (IsFocusable())
        fWidget->setFocus(Qt::OtherFocusReason);
}

void CNativeControlView::StateChanged()
{
    const PixelRect frame = FrameInWindow();
    fWidget->setGeometry(frame.left, frame.top, frame.Width(), frame.Height());
    bool enabled = true;
    for (const CView* view = this; view; view = view->Parent())
        enabled = enabled && view->IsEnabled();
    fWidget->setEnabled(enabled);
    fWidget->setVisible(IsShown());
}
