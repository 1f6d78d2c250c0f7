#include "gui/framework/views/CGroupBoxView.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPalette>

CGroupBoxView::CGroupBoxView(CGroupView* parent, const PixelRect& frame, std::string caption)
    : CGroupView(parent, frame), fCaption(std::move(caption))
{
}

void CGroupBoxView::Draw(QPainter& painter)
{
    const QFontMetrics metrics(painter.font());
    const int top = fCaption.empty() ? 0 : metrics.height() / 2;
    const QPalette palette;
    painter.setPen(palette.color(QPalette::Mid));
    painter.drawRect(0, top, GetFrame().Width() - 1, GetFrame().Height() - top - 1);
    if (fCaption.empty())
        return;
    const QString caption = QString::fromLocal8Bit(fCaption.c_str());
    const QRect text(8, 0, metrics.horizontalAdvance(caption) + 4, metrics.height());
    painter.fillRect(text, palette.color(QPalette::Window));
    painter.setPen(palette.color(IsEnabled() ? QPalette::WindowText : QPalette::Mid));
    painter.drawText(text, Qt::AlignCenter, caption);
}
