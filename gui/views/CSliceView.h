#pragma once
// The strip of slice markers above the waveform: every visible slice point
// in the shown range with its state's picture, centred on its position.
// A click hits the nearest marker (the window applies the tool to it), a
// marker can be dragged, and a rectangle dragged over the strip selects the
// points in its frame range.
#include <QColor>

#include "gui/views/CDimensionView.h"

class CSliceList;
class CSliceMarkerBitmaps;

class CSliceView : public CDimensionView {
public:
    CSliceView(CGroupView* parent, const PixelRect& frame, CABCLoopViewHost& host);

    void Draw(QPainter& painter) override;
    bool MouseDown(const CMouseEvent& event) override;
    void TrackMouse(const CMouseEvent& event) override;
    void MouseReleased(const CMouseEvent& event) override;
    void TrackingLost() override;
    // A pointing hand over a marker.
    CursorShape AdjustCursor(const CMouseEvent& event) const override;

    // The strip's picture: the background, then the markers.
    static void DrawStrip(QPainter& painter, const CSliceList& slices, const CFrameScale& scale, int height,
                          QColor background);
    // The marker pictures, loaded once.
    static const CSliceMarkerBitmaps& Markers();

private:
    enum class Drag { kNone, kMarker, kRectangle };

    Drag drag_ = Drag::kNone;
    int marker_ = -1;
    int anchorX_ = 0;
    int currentX_ = 0;
};
