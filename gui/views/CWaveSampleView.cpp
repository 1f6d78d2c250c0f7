#include "gui/views/CWaveSampleView.h"

#include <QPainter>

#include "document/views/CWaveformPalette.h"

CWaveSampleView::CWaveSampleView(CGroupView* parent, const PixelRect& frame, CABCLoopViewHost& host)
    : CDimensionView(parent, frame, host)
{
}

std::uint8_t CWaveSampleView::Background() const
{
    return CWaveformPalette::kInterfaceNight;
}

void CWaveSampleView::SoundChanged()
{
    waveform_.Forget();
    Invalidate();
}

void CWaveSampleView::Draw(QPainter& painter)
{
    const PixelRect& frame = GetFrame();
    if (frame.Width() <= 0 || frame.Height() <= 0)
        return;
    if (!waveform_.Update(Host().Sound(), Scale(), frame.Height(), Host().ViewLook(), Background())) {
        painter.fillRect(0, 0, frame.Width(), frame.Height(), Qt::white);
        painter.setPen(Qt::black);
        painter.drawText(QRect(0, 0, frame.Width(), frame.Height()), Qt::AlignCenter | Qt::TextWordWrap,
                         QString::fromLatin1(kNoMemoryText));
        return;
    }
    painter.drawImage(0, 0, waveform_.Bitmap().GetImage());
    DrawOver(painter);
}
