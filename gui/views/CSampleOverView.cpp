#include "gui/views/CSampleOverView.h"

#include <QPainter>

#include "document/views/CVisibleRange.h"
#include "document/views/CWaveformPalette.h"
#include "sound/WAVE_SAMPLE.h"

CSampleOverView::CSampleOverView(CGroupView* parent, const PixelRect& frame, CABCLoopViewHost& host)
    : CDimensionView(parent, frame, host)
{
}

CFrameScale CSampleOverView::Scale() const
{
    return CFrameScale(0, Host().Sound().Frames(), GetFrame().Width());
}

void CSampleOverView::SoundChanged()
{
    waveform_.Forget();
    Invalidate();
}

void CSampleOverView::Draw(QPainter& painter)
{
    const int width = GetFrame().Width();
    const int height = GetFrame().Height();
    if (width <= 0 || height <= 0)
        return;
    if (waveform_.Update(Host().Sound(), Scale(), height, Host().ViewLook(), CWaveformPalette::kInterfaceNavy))
        painter.drawImage(0, 0, waveform_.Bitmap().GetImage());
    const CVisibleRange& range = Host().Range();
    const int left = static_cast<int>(PixelOfFrame(range.Start()));
    const int right = std::max(left + 2, static_cast<int>(PixelOfFrame(range.End())));
    // Dim what lies outside the shown range, frame what lies inside.
    painter.fillRect(0, 0, left, height, QColor(0, 0, 0, 110));
    painter.fillRect(right, 0, width - right, height, QColor(0, 0, 0, 110));
    painter.setPen(QPen(QColor(255, 255, 255, 200), 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(left, 0, right - left - 1, height - 1);
}

bool CSampleOverView::MouseDown(const CMouseEvent& event)
{
    TrackMouse(event);
    return true;
}

void CSampleOverView::TrackMouse(const CMouseEvent& event)
{
    CVisibleRange& range = Host().Range();
    if (range.ScrollTo(FrameAtPixel(event.x) - range.Length() / 2))
        Host().ViewsChanged();
}
