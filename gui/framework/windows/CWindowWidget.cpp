#include "gui/framework/windows/CWindowWidget.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "gui/framework/application/CLowLevelApplication.h"
#include "gui/framework/views/CWindowRootGroupView.h"
#include "gui/framework/windows/CABCWindow.h"

namespace {

std::uint32_t Modifiers(const QInputEvent* event)
{
    return static_cast<std::uint32_t>(event->modifiers().toInt());
}

Qt::CursorShape QtCursor(CursorShape shape)
{
    switch (shape) {
    case CursorShape::kWait: return Qt::WaitCursor;
    case CursorShape::kCross: return Qt::CrossCursor;
    case CursorShape::kIBeam: return Qt::IBeamCursor;
    case CursorShape::kSizeHorizontal: return Qt::SizeHorCursor;
    case CursorShape::kSizeVertical: return Qt::SizeVerCursor;
    case CursorShape::kPointingHand: return Qt::PointingHandCursor;
    case CursorShape::kArrow: break;
    }
    return Qt::ArrowCursor;
}

}  // namespace

bool CWindowWidget::ForwardKey(CABCWindow& window, QKeyEvent* event)
{
    const bool release = event->type() == QEvent::KeyRelease;
    if (release && event->isAutoRepeat())
        return true;  // a held key gives one release, at the end
    const QByteArray text = event->text().toLocal8Bit();
    bool used = false;
    CLowLevelApplication::RunGuarded([&] {
        used = window.HandleKey(event->key(), event->modifiers().testFlag(Qt::KeypadModifier),
                                release, !release && event->isAutoRepeat(), Modifiers(event),
                                text.isEmpty() ? 0 : text[0]);
    });
    return used;
}

CWindowWidget::CWindowWidget(CABCWindow& window) : fWindow(window)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);  // the pointer shape follows the views under it
}

bool CWindowWidget::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::ToolTip: {
        auto* help = static_cast<QHelpEvent*>(event);
        const std::string text = fWindow.TooltipAt(help->pos().x(), help->pos().y());
        if (text.empty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), QString::fromLocal8Bit(text.c_str()), this);
        return true;
    }
    case QEvent::WindowDeactivate:
    case QEvent::HideToParent:
    case QEvent::UngrabMouse:
        // The mouse can no longer be followed: tracking is lost.
        CLowLevelApplication::RunGuarded([&] { fWindow.EndTracking(nullptr); });
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void CWindowWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    CLowLevelApplication::RunGuarded([&] { fWindow.Root().DrawTree(painter); });
}

void CWindowWidget::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    CLowLevelApplication::RunGuarded([&] {
        fWindow.HandleMousePress(at.x(), at.y(), Modifiers(event),
                                 event->button() == Qt::RightButton);
    });
}

void CWindowWidget::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    CLowLevelApplication::RunGuarded([&] {
        fWindow.HandleMouseMove(at.x(), at.y(), Modifiers(event));
        setCursor(QtCursor(fWindow.CursorAt(at.x(), at.y(), Modifiers(event))));
    });
}

void CWindowWidget::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    CLowLevelApplication::RunGuarded([&] { fWindow.HandleMouseRelease(at.x(), at.y(), Modifiers(event)); });
}

void CWindowWidget::keyPressEvent(QKeyEvent* event)
{
    if (PassedUpFromControl() || !ForwardKey(fWindow, event))
        QWidget::keyPressEvent(event);
}

void CWindowWidget::keyReleaseEvent(QKeyEvent* event)
{
    if (PassedUpFromControl() || !ForwardKey(fWindow, event))
        QWidget::keyReleaseEvent(event);
}

QSize CWindowWidget::sizeHint() const
{
    const PixelRect& frame = fWindow.Root().GetFrame();
    return {frame.Width(), frame.Height()};
}

bool CWindowWidget::PassedUpFromControl() const
{
    // Keys go to the focused control first, whose filter already handed
    // them to the window; what the control leaves unused comes up here.
    const QWidget* focus = QApplication::focusWidget();
    return focus && focus != this && isAncestorOf(focus);
}

void CWindowWidget::closeEvent(QCloseEvent* event)
{
    // The window decides; it hides itself when it does close.
    event->ignore();
    CLowLevelApplication::RunGuarded([&] { fWindow.CloseRequested(); });
}

void CWindowWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    CLowLevelApplication::RunGuarded([&] { fWindow.Root().SetFrame({0, 0, width(), height()}); });
}
