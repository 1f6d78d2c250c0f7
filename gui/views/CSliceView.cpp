#include "gui/views/CSliceView.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>

#include "document/views/CSliceMarkerHit.h"
#include "document/views/CVisibleRange.h"
#include "document/views/CWaveformPalette.h"
#include "gui/views/ClickSlop.h"
#include "gui/views/CSliceMarkerBitmaps.h"
#include "slicing/CSliceList.h"

namespace {

int IndexAt(const CSliceList& slices, std::int64_t position)
{
    for (int i = 0; i < slices.Count(); ++i)
        if (slices.Entry(i).position == position)
            return i;
    return -1;
}

}  // namespace

CSliceView::CSliceView(CGroupView* parent, const PixelRect& frame, CABCLoopViewHost& host)
    : CDimensionView(parent, frame, host)
{
}

const CSliceMarkerBitmaps& CSliceView::Markers()
{
    static const CSliceMarkerBitmaps markers;
    return markers;
}

void CSliceView::DrawStrip(QPainter& painter, const CSliceList& slices, const CFrameScale& scale, int height,
                           QColor background)
{
    painter.fillRect(0, 0, scale.Width(), height, background);
    painter.setPen(QPen(background.lighter(160), 0));
    painter.drawLine(0, height - 1, scale.Width() - 1, height - 1);
    const CSliceMarkerBitmaps& markers = Markers();
    const int top = height - markers.Height();
    const std::int64_t end = scale.Start() + scale.Length();
    for (int i = slices.First(SliceFilter::kVisible); i >= 0; i = slices.Next(i, SliceFilter::kVisible)) {
        const CSlice& slice = slices.Entry(i);
        if (slice.position < scale.Start() || slice.position >= end)
            continue;
        const int x = static_cast<int>(scale.PixelOfFrame(slice.position)) - markers.Width() / 2;
        painter.drawImage(x, top, markers.For(slice));
    }
}

void CSliceView::Draw(QPainter& painter)
{
    const CWaveformPalette palette(Host().ViewLook().waveform, Host().ViewLook().contrast);
    const RGBColor strip = CWaveformPalette::ToEightBit(palette.At(CWaveformPalette::kInterfaceNavy));
    DrawStrip(painter, Host().Slices(), Scale(), GetFrame().Height(), QColor(strip.red, strip.green, strip.blue));
    if (drag_ == Drag::kRectangle) {
        const int left = std::min(anchorX_, currentX_);
        painter.fillRect(left, 0, std::abs(currentX_ - anchorX_) + 1, GetFrame().Height(), QColor(255, 255, 255, 60));
    }
}

bool CSliceView::MouseDown(const CMouseEvent& event)
{
    anchorX_ = currentX_ = event.x;
    marker_ = CSliceMarkerHit::Find(Host().Slices(), Scale(), event.x, Markers().Width());
    if (marker_ >= 0) {
        Host().ClickMarker(marker_, (event.modifiers & Qt::ShiftModifier) != 0);
        Host().ViewsChanged();
        drag_ = Drag::kMarker;
    } else {
        drag_ = Drag::kRectangle;
    }
    Invalidate();
    return true;
}

void CSliceView::TrackMouse(const CMouseEvent& event)
{
    currentX_ = std::clamp(event.x, 0, std::max(GetFrame().Width() - 1, 0));
    if (drag_ == Drag::kMarker && marker_ >= 0 && std::abs(currentX_ - anchorX_) >= kClickSlop) {
        const std::int64_t moved =
            Host().DragMarker(marker_, FrameAtPixel(currentX_), (event.modifiers & Qt::AltModifier) != 0);
        marker_ = IndexAt(Host().Slices(), moved);
        Host().ViewsChanged();
    }
    Invalidate();
}

void CSliceView::MouseReleased(const CMouseEvent& event)
{
    TrackMouse(event);
    if (drag_ == Drag::kRectangle && std::abs(currentX_ - anchorX_) >= kClickSlop) {
        Host().SelectMarkers(FrameAtPixel(std::min(anchorX_, currentX_)),
                             FrameAtPixel(std::max(anchorX_, currentX_) + 1));
        Host().ViewsChanged();
    }
    Host().EndGesture();
    TrackingLost();
}

void CSliceView::TrackingLost()
{
    drag_ = Drag::kNone;
    marker_ = -1;
    Invalidate();
}

CursorShape CSliceView::AdjustCursor(const CMouseEvent& event) const
{
    return CSliceMarkerHit::Find(Host().Slices(), Scale(), event.x, Markers().Width()) >= 0
               ? CursorShape::kPointingHand
               : CursorShape::kArrow;
}
