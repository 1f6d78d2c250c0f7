#include "gui/views/CMagnifyView.h"

#include <QPainter>

#include "document/views/CVisibleRange.h"

CMagnifyView::CMagnifyView(CGroupView* parent, const PixelRect& frame, CABCLoopViewHost& host)
    : CControlView(parent, frame), host_(host)
{
    SetTooltip("Magnify");
}

void CMagnifyView::Draw(QPainter& painter)
{
    const int width = GetFrame().Width();
    const int height = GetFrame().Height();
    const int half = width / 2;
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (int side = 0; side < 2; ++side) {
        const QRectF box(side * half + 0.5, 0.5, half - 1.0, height - 1.0);
        painter.setPen(QPen(QColor(96, 100, 118), 1));
        painter.setBrush(pressed_ == side ? QColor(70, 74, 92) : QColor(214, 218, 228));
        painter.drawRoundedRect(box, 3, 3);
        // A magnifier glass with a minus or a plus in it.
        const qreal r = std::min(half, height) * 0.26;
        const QPointF centre(box.center().x() - r * 0.25, box.center().y() - r * 0.25);
        const QColor ink = pressed_ == side ? QColor(240, 240, 246) : QColor(40, 44, 60);
        painter.setPen(QPen(ink, 1.6));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(centre, r, r);
        painter.drawLine(centre + QPointF(r * 0.72, r * 0.72), centre + QPointF(r * 1.6, r * 1.6));
        painter.drawLine(centre - QPointF(r * 0.5, 0), centre + QPointF(r * 0.5, 0));
        if (side == 1)
            painter.drawLine(centre - QPointF(0, r * 0.5), centre + QPointF(0, r * 0.5));
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
}

bool CMagnifyView::MouseDown(const CMouseEvent& event)
{
    pressed_ = event.x < GetFrame().Width() / 2 ? 0 : 1;
    Invalidate();
    return true;
}

void CMagnifyView::MouseReleased(const CMouseEvent& event)
{
    const int side = event.x < GetFrame().Width() / 2 ? 0 : 1;
    if (side == pressed_ && event.y >= 0 && event.y < GetFrame().Height()) {
        CVisibleRange& range = host_.Range();
        if (side == 0 ? range.ZoomOut() : range.ZoomIn())
            host_.ViewsChanged();
    }
    TrackingLost();
}

void CMagnifyView::TrackingLost()
{
    pressed_ = -1;
    Invalidate();
}
