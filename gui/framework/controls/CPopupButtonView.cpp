#include "gui/framework/controls/CPopupButtonView.h"

#include <QComboBox>

CPopupButtonView::CPopupButtonView(CGroupView* parent, const PixelRect& frame)
    : CNativeControlView(parent, frame, new QComboBox)
{
    auto& combo = static_cast<QComboBox&>(Widget());
    QObject::connect(&combo, &QComboBox::activated, [this](int index) { UserChangedValue(index); });
}

void CPopupButtonView::SetItems(const std::vector<std::string>& labels)
{
    auto& combo = static_cast<QComboBox&>(Widget());
    combo.clear();
    for (const std::string& label : labels)
        combo.addItem(QString::fromLocal8Bit(label.c_str()));
    combo.setCurrentIndex(Value());
}

int CPopupButtonView::ItemCount() const
{
    return static_cast<QComboBox&>(Widget()).count();
}

void CPopupButtonView::ShowValue()
{
    static_cast<QComboBox&>(Widget()).setCurrentIndex(Value());
}
