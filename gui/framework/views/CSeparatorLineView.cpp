#include "gui/framework/views/CSeparatorLineView.h"

#include <QPainter>
#include <QPalette>

void CSeparatorLineView::Draw(QPainter& painter)
{
    const QPalette palette;
    const int width = GetFrame().Width();
    const int height = GetFrame().Height();
    const bool horizontal = width >= height;
    painter.setPen(palette.color(QPalette::Dark));
    if (horizontal)
        painter.drawLine(0, 0, width - 1, 0);
    else
        painter.drawLine(0, 0, 0, height - 1);
    painter.setPen(palette.color(QPalette::Light));
    if (horizontal)
        painter.drawLine(0, 1, width - 1, 1);
    else
        painter.drawLine(1, 0, 1, height - 1);
}
