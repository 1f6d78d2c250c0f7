#pragma once
// A canvas over the drawing context of a window or view: the painter that
// the window's paint handling opened.
#include "gui/graphics/CABCCanvas.h"

class CCanvas : public CABCCanvas {
public:
    explicit CCanvas(QPainter& painter);

    int GetDepth() const override;

protected:
    QPainter& GetPainter() override { return painter_; }
    void FlushDrawing() override {}

private:
    QPainter& painter_;
};
