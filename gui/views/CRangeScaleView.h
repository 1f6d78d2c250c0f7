#pragma once
// The ruler with the two locator handles. A handle can be dragged (the
// locators keep 256 frames apart inside the sound). A drag or a click takes
// the frame under the mouse, snapped to the slicing unless Alt is held:
// Shift+click moves the left locator there, Ctrl+click the right one.
#include <QColor>

#include "gui/views/CABCScaleView.h"

class CRangeScaleView : public CABCScaleView {
public:
    // How near (in pixels) a press must be to grab a handle.
    static constexpr int kHandleReach = 6;

    CRangeScaleView(CGroupView* parent, const PixelRect& frame, CABCLoopViewHost& host);

    bool MouseDown(const CMouseEvent& event) override;
    void TrackMouse(const CMouseEvent& event) override;
    void MouseReleased(const CMouseEvent& event) override;
    void TrackingLost() override;
    // A sizing cursor over a locator handle.
    CursorShape AdjustCursor(const CMouseEvent& event) const override;

protected:
    void DrawOver(QPainter& painter) override;

private:
    enum class Handle { kNone, kLeft, kRight };

    void DrawHandle(QPainter& painter, std::int64_t frame, bool left, const QColor& color) const;
    bool Near(std::int64_t frame, int x) const;

    Handle dragging_ = Handle::kNone;
};
