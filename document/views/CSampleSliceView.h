#pragma once
// The waveform view of a document window: the waveform with the slice lines,
// the locators and the play position over it, and the mouse actions:
// Ctrl-drag magnifies the dragged range, a Ctrl-click halves the range around
// the click, Ctrl+Alt-click doubles it; other clicks go to the tool
// (the Pen draws a point, the other tools play the slice under the mouse).
#include "document/views/CWaveSampleView.h"

class QColor;

class CSampleSliceView : public CWaveSampleView {
public:
    CSampleSliceView(CGroupView* parent, const PixelRect& frame, CABCLoopViewHost& host);

    bool MouseDown(const CMouseEvent& event) override;
    void TrackMouse(const CMouseEvent& event) override;
    void MouseReleased(const CMouseEvent& event) override;
    void TrackingLost() override;

    // Called on every idle round: redraws a moved play position and, when
    // `follow` (the window's sound plays, "Scroll During Playback" is on and
    // no mouse button is down), moves the range to keep it in view.
    void FollowPlayback(bool follow);
    // A magnifying drag is under way.
    bool IsDragging() const { return magnifying_; }

protected:
    void DrawOver(QPainter& painter) override;

private:
    void DrawLineAt(QPainter& painter, std::int64_t frame, const QColor& color) const;

    bool magnifying_ = false;
    int anchorX_ = 0;
    int currentX_ = 0;
    std::int64_t drawnPlayPosition_ = -1;
};
