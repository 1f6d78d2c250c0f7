#include "gui/framework/views/CSolidColorGroupView.h"

#include <QColor>
#include <QPainter>

CSolidColorGroupView::CSolidColorGroupView(CGroupView* parent, const PixelRect& frame, std::uint32_t rgb)
    : CGroupView(parent, frame), fColor(rgb)
{
}

void CSolidColorGroupView::SetColor(std::uint32_t rgb)
{
    fColor = rgb;
    Invalidate();
}

void CSolidColorGroupView::Draw(QPainter& painter)
{
    painter.fillRect(0, 0, GetFrame().Width(), GetFrame().Height(), QColor::fromRgb(fColor));
}
