#pragma once
// The whole sound in miniature with the shown range marked. Pressing or
// dragging in it moves the shown range's centre to the mouse.
#include "gui/views/CDimensionView.h"
#include "gui/views/CWaveformBitmap.h"

class CSampleOverView : public CDimensionView {
public:
    CSampleOverView(CGroupView* parent, const PixelRect& frame, CABCLoopViewHost& host);

    // The whole sound over the view's width.
    CFrameScale Scale() const override;
    void Draw(QPainter& painter) override;
    bool MouseDown(const CMouseEvent& event) override;
    void TrackMouse(const CMouseEvent& event) override;
    // The samples changed.
    void SoundChanged();

private:
    CWaveformBitmap waveform_;
};
