#include "gui/framework/controls/CFaderView.h"

#include <QSlider>

CFaderView::CFaderView(CGroupView* parent, int left, int top, bool vertical)
    : CFaderView(parent, vertical ? PixelRect{left, top, left + 25, top + 100}
                                  : PixelRect{left, top, left + 100, top + 25},
                 vertical)
{
}

CFaderView::CFaderView(CGroupView* parent, const PixelRect& frame, bool vertical)
    : CNativeControlView(parent, frame, new QSlider(vertical ? Qt::Vertical : Qt::Horizontal))
{
    auto& slider = static_cast<QSlider&>(Widget());
    slider.setRange(0, kMaximum);
    slider.setPageStep(kPageStep);
    SetFocusable(true);
    QObject::connect(&slider, &QSlider::valueChanged, [this](int value) {
        if (value != Value())
            UserChangedValue(value);
    });
}

bool CFaderView::IsDragged() const
{
    return static_cast<QSlider&>(Widget()).isSliderDown();
}

void CFaderView::ShowValue()
{
    static_cast<QSlider&>(Widget()).setValue(Value());
}
