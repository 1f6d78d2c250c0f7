#pragma once
// A time ruler over the shown range: ticks with time labels, spaced so the
// labels never crowd.
#include "gui/views/CDimensionView.h"

class CABCScaleView : public CDimensionView {
public:
    // Labelled ticks stay at least this far apart.
    static constexpr int kLabelSpacing = 110;

    CABCScaleView(CGroupView* parent, const PixelRect& frame, CABCLoopViewHost& host);

    void Draw(QPainter& painter) override;

protected:
    // Drawn over the ticks; nothing here.
    virtual void DrawOver(QPainter&) {}
};
