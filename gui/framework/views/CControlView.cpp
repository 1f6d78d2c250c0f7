#include "gui/framework/views/CControlView.h"

void CControlView::SetValue(std::int32_t value)
{
    if (value == fValue)
        return;
    fValue = value;
    ShowValue();
}

void CControlView::UserChangedValue(std::int32_t value)
{
    fValue = value;
    Notify(*this, kValueChanged);
}
