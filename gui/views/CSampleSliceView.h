#pragma once
// The waveform view of a document window: the waveform with the slice lines,
// the locators and the play position over it, and the mouse actions:
// Ctrl-drag magnifies the dragged range, a Ctrl-click halves the range around
// the click, Ctrl+Alt-click doubles it; other clicks go to the tool
// (the Pen draws a point, the other tools play the slice under the mouse).
// With the Pen the view marks where a click would add a point.
#include "gui/views/CWaveSampleView.h"

class QColor;

class CSampleSliceView : public CWaveSampleView {
public:
    CSampleSliceView(CGroupView* parent, const PixelRect& frame, CABCLoopViewHost& host);

    bool MouseDown(const CMouseEvent& event) override;
    void TrackMouse(const CMouseEvent& event) override;
    void MouseReleased(const CMouseEvent& event) override;
    void TrackingLost() override;
    // The Pen's cross, a range cursor while Ctrl is held, else the arrow.
    // With the Pen it also moves the mark of the point a click would add.
    CursorShape AdjustCursor(const CMouseEvent& event) const override;
    // The frame a Pen click at x would add a point at: the nearest zero
    // crossing within 300 frames unless Alt is held.
    std::int64_t PenFrame(int x, bool alt) const;

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
    // Where the mouse last hovered with the Pen; -1 when nowhere.
    mutable std::int64_t penPreview_ = -1;
};
