#pragma once
// A sunken line across the view, horizontal when the view is wider than tall.
#include "gui/framework/views/CView.h"

class CSeparatorLineView : public CView {
public:
    CSeparatorLineView(CGroupView* parent, const PixelRect& frame) : CView(parent, frame) {}

    void Draw(QPainter& painter) override;
};
