#include "gui/framework/controls/CRadioButtonView.h"

#include <QRadioButton>

CRadioButtonView::CRadioButtonView(CGroupView* parent, const PixelRect& frame, const std::string& text)
    : CNativeControlView(parent, frame, new QRadioButton(QString::fromLocal8Bit(text.c_str())))
{
    auto& button = static_cast<QRadioButton&>(Widget());
    // The group view decides which one is selected, not Qt.
    button.setAutoExclusive(false);
    QObject::connect(&button, &QRadioButton::clicked, [this] {
        if (!IsSelected())
            UserChangedValue(1);
        ShowValue();  // a click on the selected one leaves it selected
    });
}

CRadioButtonView::CRadioButtonView(CGroupView* parent, const DialogItemRecord& item)
    : CRadioButtonView(parent, item.frame, item.text)
{
    SetEnabled(item.enabled);
}

void CRadioButtonView::ShowValue()
{
    static_cast<QRadioButton&>(Widget()).setChecked(Value() != 0);
}
