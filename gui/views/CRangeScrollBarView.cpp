#include "gui/views/CRangeScrollBarView.h"

#include <QScrollBar>
#include <algorithm>

#include "document/views/CVisibleRange.h"

CRangeScrollBarView::CRangeScrollBarView(CGroupView* parent, const PixelRect& frame, CABCLoopViewHost& host)
    : CScrollBarView(parent, frame, false), host_(host)
{
    auto& bar = static_cast<QScrollBar&>(Widget());
    QObject::connect(&bar, &QAbstractSlider::actionTriggered, [this](int action) { Act(action); });
    ShowRange();
}

void CRangeScrollBarView::ShowRange()
{
    // The thumb is as long against the bar as the shown range against the
    // sound: Qt sizes it as page step / (maximum + page step).
    const CVisibleRange& range = host_.Range();
    const std::int64_t room = range.SoundFrames() - range.Length();
    const std::int64_t pageStep = room <= 0 ? std::int64_t{kMaximum} * 1000 : kMaximum * range.Length() / room;
    const std::int64_t longest = std::int64_t{kMaximum} * 1000;
    static_cast<QScrollBar&>(Widget()).setPageStep(static_cast<int>(std::clamp<std::int64_t>(pageStep, 1, longest)));
    SetValue(range.Thumb());
}

void CRangeScrollBarView::Act(int action)
{
    auto& bar = static_cast<QScrollBar&>(Widget());
    CVisibleRange& range = host_.Range();
    bool moved = false;
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: moved = range.ScrollArrow(+1); break;
    case QAbstractSlider::SliderSingleStepSub: moved = range.ScrollArrow(-1); break;
    case QAbstractSlider::SliderPageStepAdd: moved = range.ScrollPage(+1); break;
    case QAbstractSlider::SliderPageStepSub: moved = range.ScrollPage(-1); break;
    case QAbstractSlider::SliderToMinimum: moved = range.SetThumb(0); break;
    case QAbstractSlider::SliderToMaximum: moved = range.SetThumb(CVisibleRange::kThumbMaximum); break;
    case QAbstractSlider::SliderMove: moved = range.SetThumb(bar.sliderPosition()); break;
    default: return;
    }
    // The thumb shows where the range went; storing it first keeps the
    // value change that follows from being reported again.
    ShowRange();
    bar.setSliderPosition(range.Thumb());
    if (moved)
        host_.ViewsChanged();
}
