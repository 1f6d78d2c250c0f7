#include "gui/views/CABCScaleView.h"

#include <QLinearGradient>
#include <QPainter>

#include "document/views/CRulerTime.h"
#include "sound/WAVE_SAMPLE.h"

namespace {

constexpr int kMinorTicks = 5;

}  // namespace

CABCScaleView::CABCScaleView(CGroupView* parent, const PixelRect& frame, CABCLoopViewHost& host)
    : CDimensionView(parent, frame, host)
{
}

void CABCScaleView::Draw(QPainter& painter)
{
    const int width = GetFrame().Width();
    const int height = GetFrame().Height();
    QLinearGradient shade(0, 0, 0, height);
    shade.setColorAt(0, QColor(58, 62, 78));
    shade.setColorAt(1, QColor(34, 36, 48));
    painter.fillRect(0, 0, width, height, shade);
    painter.setPen(QColor(20, 21, 28));
    painter.drawLine(0, height - 1, width - 1, height - 1);

    const std::uint32_t rate = Host().Sound().Rate();
    if (rate == 0)
        return;
    const CFrameScale scale = Scale();
    const std::int64_t spacing = CRulerTime::TickSpacing(rate, scale.FramesPerPixel(), kLabelSpacing);
    const std::int64_t step = spacing / kMinorTicks;
    const std::int64_t firstUnit = CRulerTime::Units(scale.Start(), rate) / step * step;
    const std::int64_t lastUnit = CRulerTime::Units(scale.Start() + scale.Length(), rate);
    QFont font = painter.font();
    font.setPixelSize(std::max(9, height / 2 - 1));
    painter.setFont(font);
    for (std::int64_t unit = firstUnit; unit <= lastUnit; unit += step) {
        const std::int64_t frame = (unit * rate + CRulerTime::kUnitsPerSecond - 1) / CRulerTime::kUnitsPerSecond;
        const int x = static_cast<int>(scale.PixelOfFrame(frame));
        if (x < 0 || x >= width)
            continue;
        const bool major = unit % spacing == 0;
        painter.setPen(major ? QColor(200, 206, 224) : QColor(110, 116, 136));
        painter.drawLine(x, major ? height / 2 : height - 5, x, height - 2);
        if (major) {
            painter.setPen(QColor(214, 220, 236));
            painter.drawText(x + 3, height / 2 - 1, QString::fromLatin1(CRulerTime::Format(frame, rate).c_str()));
        }
    }
    DrawOver(painter);
}
