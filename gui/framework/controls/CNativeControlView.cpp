#include "gui/framework/controls/CNativeControlView.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QWidget>

#include "framework/exceptions/Exceptions.h"
#include "gui/framework/views/CGroupView.h"
#include "gui/framework/windows/CABCWindow.h"
#include "gui/framework/windows/CWindowWidget.h"

// Keys reach the window before the control, as they would reach the window
// first if the window itself had the focus; a control that takes the
// keyboard focus becomes the window's focus view until it loses it.
class CNativeControlView::CKeyFilter : public QObject {
public:
    explicit CKeyFilter(CNativeControlView& view) : fView(view) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        CABCWindow& window = *fView.GetWindow();
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
            return CWindowWidget::ForwardKey(window, static_cast<QKeyEvent*>(event));
        if (event->type() == QEvent::FocusIn) {
            window.SetFocusView(&fView);
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            fView.FocusTaken(reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason);
        } else if (event->type() == QEvent::FocusOut && window.FocusView() == &fView) {
            window.SetFocusView(nullptr);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    CNativeControlView& fView;
};

CNativeControlView::CNativeControlView(CGroupView* parent, const PixelRect& frame, QWidget* widget)
    : CControlView(parent, frame), fWidget(widget)
{
    if (!GetWindow() || !fWidget) {
        delete fWidget;
        throw XBase();  // a native control needs a window to live in
    }
    fWidget->setParent(&GetWindow()->Widget());
    fKeyFilter = std::make_unique<CKeyFilter>(*this);
    fWidget->installEventFilter(fKeyFilter.get());
    StateChanged();
}

CNativeControlView::~CNativeControlView()
{
    delete fWidget;  // before its filter
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
