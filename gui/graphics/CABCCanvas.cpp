#include "gui/graphics/CABCCanvas.h"

#include <QPainter>

#include "gui/graphics/CABCBitmap.h"
#include "gui/graphics/CTransparentBitmap.h"

namespace {

QColor ToQColor(RGBColor color)
{
    return QColor(color.red, color.green, color.blue);
}

}  // namespace

void CABCCanvas::MoveTo(int x, int y)
{
    penX_ = x;
    penY_ = y;
}

void CABCCanvas::LineTo(int x, int y)
{
    QPainter& painter = GetPainter();
    painter.setPen(QPen(ToQColor(foreColor_), 0));
    painter.drawLine(penX_, penY_, x, y);
    MoveTo(x, y);
}

void CABCCanvas::FrameRect(int left, int top, int right, int bottom)
{
    if (right <= left || bottom <= top)
        return;
    QPainter& painter = GetPainter();
    painter.setPen(QPen(ToQColor(foreColor_), 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(left, top, right - left - 1, bottom - top - 1);
}

void CABCCanvas::FillRect(int left, int top, int right, int bottom, RGBColor color)
{
    if (right <= left || bottom <= top)
        return;
    GetPainter().fillRect(left, top, right - left, bottom - top, ToQColor(color));
}

void CABCCanvas::DrawText(int x, int y, const std::string& text)
{
    QPainter& painter = GetPainter();
    painter.setPen(ToQColor(foreColor_));
    painter.drawText(x, y, QString::fromLocal8Bit(text.c_str()));
}

void CABCCanvas::DrawBitmap(const CABCBitmap& bitmap, int x, int y)
{
    GetPainter().drawImage(x, y, bitmap.GetImage());
}

void CABCCanvas::DrawTransparentBitmap(const CTransparentBitmap& bitmap, int x, int y)
{
    GetPainter().drawImage(x, y, bitmap.MakeMaskedImage(GetDepth() <= 8));
}
