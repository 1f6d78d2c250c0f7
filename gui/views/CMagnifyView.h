#pragma once
// The magnification control: its left half zooms out (twice the shown
// range), its right half zooms in (half the range), both around the centre.
#include "document/views/CABCLoopViewHost.h"
#include "gui/framework/views/CControlView.h"

class CMagnifyView : public CControlView {
public:
    CMagnifyView(CGroupView* parent, const PixelRect& frame, CABCLoopViewHost& host);

    void Draw(QPainter& painter) override;
    bool MouseDown(const CMouseEvent& event) override;
    void MouseReleased(const CMouseEvent& event) override;
    void TrackingLost() override;

private:
    CABCLoopViewHost& host_;
    int pressed_ = -1;  // 0: zoom out half, 1: zoom in half
};
