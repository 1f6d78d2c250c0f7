#include "gui/framework/controls/CProgressBarView.h"

#include <QProgressBar>

CProgressBarView::CProgressBarView(CGroupView* parent, const PixelRect& frame)
    : CNativeControlView(parent, frame, new QProgressBar)
{
    auto& bar = static_cast<QProgressBar&>(Widget());
    bar.setRange(0, kMaximum);
    bar.setValue(0);
    bar.setTextVisible(false);
}

int CProgressBarView::NativePosition() const
{
    return static_cast<QProgressBar&>(Widget()).value();
}

void CProgressBarView::ShowValue()
{
    if (NativePosition() != Value())
        static_cast<QProgressBar&>(Widget()).setValue(Value());
}
