#include "gui/views/CSampleSliceView.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>

#include "document/views/CVisibleRange.h"
#include "document/views/CWaveformPalette.h"
#include "gui/views/ClickSlop.h"
#include "slicing/CSliceList.h"
#include "sound/WAVE_SAMPLE.h"
#include "sound/ZeroCrossing.h"

namespace {

QColor ToQColor(const RGBColor& c, int alpha = 255)
{
    return QColor(c.red, c.green, c.blue, alpha);
}

}  // namespace

CSampleSliceView::CSampleSliceView(CGroupView* parent, const PixelRect& frame, CABCLoopViewHost& host)
    : CWaveSampleView(parent, frame, host)
{
}

void CSampleSliceView::DrawLineAt(QPainter& painter, std::int64_t frame, const QColor& color) const
{
    if (!Host().Range().Contains(frame))
        return;
    const int x = static_cast<int>(PixelOfFrame(frame));
    painter.setPen(QPen(color, 0));
    painter.drawLine(x, 0, x, GetFrame().Height() - 1);
}

void CSampleSliceView::DrawOver(QPainter& painter)
{
    const CPalette& palette = Waveform().Palette();
    const CSliceList& slices = Host().Slices();
    const QColor sliceLine = ToQColor(palette[CWaveformPalette::kTint], 150);
    const QColor selectedLine = ToQColor(palette[CWaveformPalette::kBrightest], 220);
    for (int i = slices.First(SliceFilter::kCounted); i >= 0; i = slices.Next(i, SliceFilter::kCounted))
        DrawLineAt(painter, slices.Entry(i).position, slices.Entry(i).selected ? selectedLine : sliceLine);

    // What lies outside the loop is dimmed, so the loop stands out even where
    // the locator colour is close to the background.
    const WAVE_SAMPLE& sound = Host().Sound();
    const int height = GetFrame().Height();
    const int loopLeft = Scale().ClampedPixelOfFrame(sound.LoopStart());
    const int loopRight = Scale().ClampedPixelOfFrame(sound.LoopEnd());
    const QColor dim(0, 0, 0, 96);
    painter.fillRect(0, 0, std::max(loopLeft, 0), height, dim);
    painter.fillRect(loopRight + 1, 0, GetFrame().Width() - loopRight - 1, height, dim);
    const QColor locator = ToQColor(Waveform().LocatorColor());
    DrawLineAt(painter, sound.LoopStart(), locator);
    DrawLineAt(painter, sound.LoopEnd(), locator);

    if (Host().IsPenTool() && penPreview_ >= 0) {
        painter.setPen(QPen(ToQColor(palette[CWaveformPalette::kInterfaceGreen], 200), 0, Qt::DashLine));
        const int x = static_cast<int>(PixelOfFrame(penPreview_));
        painter.drawLine(x, 0, x, height - 1);
    }

    drawnPlayPosition_ = Host().PlayPosition();
    DrawLineAt(painter, drawnPlayPosition_, ToQColor(palette[CWaveformPalette::kInterfaceYellow]));

    if (magnifying_) {
        const int left = std::min(anchorX_, currentX_);
        const int right = std::max(anchorX_, currentX_);
        painter.fillRect(left, 0, right - left + 1, GetFrame().Height(), QColor(255, 255, 255, 48));
        painter.setPen(QPen(QColor(255, 255, 255, 160), 0, Qt::DashLine));
        painter.drawRect(left, 0, right - left, GetFrame().Height() - 1);
    }
}

bool CSampleSliceView::MouseDown(const CMouseEvent& event)
{
    const bool alt = (event.modifiers & Qt::AltModifier) != 0;
    if ((event.modifiers & Qt::ControlModifier) != 0) {
        if (alt) {
            if (Host().Range().ZoomOut())
                Host().ViewsChanged();
            return false;
        }
        magnifying_ = true;
        anchorX_ = currentX_ = event.x;
        Invalidate();
        return true;
    }
    Host().ClickWaveform(FrameAtPixel(event.x), alt);
    Host().ViewsChanged();
    return false;
}

void CSampleSliceView::TrackMouse(const CMouseEvent& event)
{
    currentX_ = std::clamp(event.x, 0, std::max(GetFrame().Width() - 1, 0));
    Invalidate();
}

void CSampleSliceView::MouseReleased(const CMouseEvent& event)
{
    if (!magnifying_)
        return;
    TrackMouse(event);
    magnifying_ = false;
    CVisibleRange& range = Host().Range();
    const bool changed = std::abs(currentX_ - anchorX_) < kClickSlop
                             ? range.ZoomInAt(FrameAtPixel(anchorX_))
                             : range.Show(FrameAtPixel(std::min(anchorX_, currentX_)),
                                          FrameAtPixel(std::max(anchorX_, currentX_) + 1));
    if (changed)
        Host().ViewsChanged();
    Invalidate();
}

void CSampleSliceView::TrackingLost()
{
    magnifying_ = false;
    Invalidate();
}

void CSampleSliceView::FollowPlayback(bool follow)
{
    const std::int64_t position = Host().PlayPosition();
    if (follow && Host().Range().Follow(position))
        Host().ViewsChanged();
    else if (position != drawnPlayPosition_)
        Invalidate();
}

std::int64_t CSampleSliceView::PenFrame(int x, bool alt) const
{
    const WAVE_SAMPLE& sound = Host().Sound();
    const std::int64_t frame = FrameAtPixel(x);
    if (alt || sound.Frames() == 0)
        return std::clamp<std::int64_t>(frame, 0, std::max<std::int64_t>(sound.Frames(), 1) - 1);
    return FindZeroCrossing(sound, frame, CSliceList::kZeroCrossingRadius);
}

CursorShape CSampleSliceView::AdjustCursor(const CMouseEvent& event) const
{
    if ((event.modifiers & Qt::ControlModifier) != 0)
        return CursorShape::kSizeHorizontal;
    if (!Host().IsPenTool())
        return CursorShape::kArrow;
    const std::int64_t preview = PenFrame(event.x, (event.modifiers & Qt::AltModifier) != 0);
    if (preview != penPreview_) {
        // Hovering is only seen here; the mark is redrawn as the mouse moves.
        penPreview_ = preview;
        const_cast<CSampleSliceView*>(this)->Invalidate();
    }
    return CursorShape::kCross;
}
