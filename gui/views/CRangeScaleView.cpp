#include "gui/views/CRangeScaleView.h"

#include <QPainter>
#include <QPolygon>
#include <cstdlib>

#include "document/views/CLocatorRules.h"
#include "document/views/CVisibleRange.h"
#include "document/views/CWaveformPalette.h"
#include "slicing/CSliceList.h"
#include "sound/WAVE_SAMPLE.h"

CRangeScaleView::CRangeScaleView(CGroupView* parent, const PixelRect& frame, CABCLoopViewHost& host)
    : CABCScaleView(parent, frame, host)
{
}

void CRangeScaleView::DrawHandle(QPainter& painter, std::int64_t frame, bool left, const QColor& color) const
{
    if (!Host().Range().Contains(frame) && frame != Host().Range().End())
        return;
    const int x = static_cast<int>(PixelOfFrame(frame));
    const int bottom = GetFrame().Height() - 1;
    const int size = std::min(8, GetFrame().Height() / 2);
    // A flag on the inside of the loop, its staff on the locator.
    QPolygon flag;
    flag << QPoint(x, bottom - size) << QPoint(x + (left ? size : -size), bottom - size / 2) << QPoint(x, bottom);
    // The flag is lightened so it shows on the dark ruler whatever the colour.
    const QColor fill((color.red() + 255) / 2, (color.green() + 255) / 2, (color.blue() + 255) / 2);
    painter.setPen(QPen(QColor(255, 255, 255, 200), 0));
    painter.setBrush(fill);
    painter.drawPolygon(flag);
    painter.setPen(QPen(color, 0));
    painter.drawLine(x, 0, x, bottom);
}

void CRangeScaleView::DrawOver(QPainter& painter)
{
    const CABCLoopViewHost::Look look = Host().ViewLook();
    const RGBColor locator =
        CWaveformPalette::ToEightBit(CWaveformPalette(look.waveform, look.contrast).LocatorColor());
    const QColor color(locator.red, locator.green, locator.blue);
    DrawHandle(painter, Host().Sound().LoopStart(), true, color);
    DrawHandle(painter, Host().Sound().LoopEnd(), false, color);
}

bool CRangeScaleView::Near(std::int64_t frame, int x) const
{
    return std::llabs(PixelOfFrame(frame) - x) <= kHandleReach;
}

bool CRangeScaleView::MouseDown(const CMouseEvent& event)
{
    const WAVE_SAMPLE& sound = Host().Sound();
    const std::uint32_t modifiers = event.modifiers;
    const bool shift = (modifiers & Qt::ShiftModifier) != 0;
    const bool ctrl = (modifiers & Qt::ControlModifier) != 0;
    if (!shift && !ctrl) {
        // The right handle wins when both lie under the mouse, so a loop
        // drawn to one point can always be opened again.
        if (Near(sound.LoopEnd(), event.x))
            dragging_ = Handle::kRight;
        else if (Near(sound.LoopStart(), event.x))
            dragging_ = Handle::kLeft;
        return dragging_ != Handle::kNone;
    }
    const std::int64_t frame = CLocatorRules::PointedFrame(Host().Slices(), FrameAtPixel(event.x), sound.Frames(),
                                                         (modifiers & Qt::AltModifier) != 0);
    if (shift ? Host().MoveLeftLocator(frame) : Host().MoveRightLocator(frame))
        Host().ViewsChanged();
    return false;
}

void CRangeScaleView::TrackMouse(const CMouseEvent& event)
{
    const WAVE_SAMPLE& sound = Host().Sound();
    const std::int64_t frame = CLocatorRules::PointedFrame(Host().Slices(), FrameAtPixel(event.x), sound.Frames(),
                                                           (event.modifiers & Qt::AltModifier) != 0);
    bool moved = false;
    if (dragging_ == Handle::kLeft)
        moved = Host().MoveLeftLocator(CLocatorRules::DragLeft(frame, sound.LoopStart(), sound.LoopEnd()));
    else if (dragging_ == Handle::kRight)
        moved = Host().MoveRightLocator(
            CLocatorRules::DragRight(frame, sound.LoopEnd(), sound.LoopStart(), sound.Frames()));
    if (moved)
        Host().ViewsChanged();
}

void CRangeScaleView::MouseReleased(const CMouseEvent& event)
{
    TrackMouse(event);
    Host().EndGesture();
    TrackingLost();
}

void CRangeScaleView::TrackingLost()
{
    dragging_ = Handle::kNone;
}

CursorShape CRangeScaleView::AdjustCursor(const CMouseEvent& event) const
{
    const WAVE_SAMPLE& sound = Host().Sound();
    const bool onHandle = Near(sound.LoopStart(), event.x) || Near(sound.LoopEnd(), event.x);
    return dragging_ != Handle::kNone || onHandle ? CursorShape::kSizeHorizontal : CursorShape::kArrow;
}
