#include "gui/framework/controls/CCheckBoxView.h"

#include <QCheckBox>

CCheckBoxView::CCheckBoxView(CGroupView* parent, const PixelRect& frame, const std::string& text)
    : CNativeControlView(parent, frame, new QCheckBox(QString::fromLocal8Bit(text.c_str())))
{
    auto& box = static_cast<QCheckBox&>(Widget());
    QObject::connect(&box, &QCheckBox::clicked, [this](bool checked) { UserChangedValue(checked ? 1 : 0); });
}

CCheckBoxView::CCheckBoxView(CGroupView* parent, const DialogItemRecord& item)
    : CCheckBoxView(parent, item.frame, item.text)
{
    SetEnabled(item.enabled);
}

void CCheckBoxView::ShowValue()
{
    static_cast<QCheckBox&>(Widget()).setChecked(Value() != 0);
}
