#include "gui/graphics/CCanvas.h"

#include <QPaintDevice>
#include <QPainter>

CCanvas::CCanvas(QPainter& painter) : painter_(painter) {}

int CCanvas::GetDepth() const
{
    const QPaintDevice* device = painter_.device();
    return device != nullptr ? device->depth() : 32;
}
