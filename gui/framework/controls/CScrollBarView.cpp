#include "gui/framework/controls/CScrollBarView.h"

#include <QScrollBar>

CScrollBarView::CScrollBarView(CGroupView* parent, const PixelRect& frame, bool vertical)
    : CNativeControlView(parent, frame, new QScrollBar(vertical ? Qt::Vertical : Qt::Horizontal))
{
    auto& bar = static_cast<QScrollBar&>(Widget());
    bar.setObjectName(QStringLiteral("CaravelScrollbar"));
    bar.setRange(0, kMaximum);
    QObject::connect(&bar, &QScrollBar::valueChanged, [this](int value) {
        if (value != Value())
            UserChangedValue(value);
    });
}

void CScrollBarView::ShowValue()
{
    static_cast<QScrollBar&>(Widget()).setValue(Value());
}
