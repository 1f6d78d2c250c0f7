#include "gui/framework/views/CRadioButtonGroupView.h"

#include "gui/framework/controls/CRadioButtonView.h"

CRadioButtonGroupView::CRadioButtonGroupView(CGroupView* parent, const PixelRect& frame)
    : CGroupView(parent, frame)
{
}

std::vector<CRadioButtonView*> CRadioButtonGroupView::Buttons() const
{
    std::vector<CRadioButtonView*> buttons;
    for (CView* child : Children())
        if (auto* button = dynamic_cast<CRadioButtonView*>(child))
            buttons.push_back(button);
    return buttons;
}

int CRadioButtonGroupView::SelectedIndex() const
{
    const auto buttons = Buttons();
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (buttons[i]->IsSelected())
            return static_cast<int>(i);
    return kNoSelection;
}

void CRadioButtonGroupView::Select(int index)
{
    const auto buttons = Buttons();
    for (std::size_t i = 0; i < buttons.size(); ++i)
        buttons[i]->SetValue(static_cast<int>(i) == index ? 1 : 0);
}

void CRadioButtonGroupView::Notify(CView& source, std::int32_t code)
{
    auto* clicked = dynamic_cast<CRadioButtonView*>(&source);
    if (!clicked || code != CControlView::kValueChanged) {
        CGroupView::Notify(source, code);
        return;
    }
    for (CRadioButtonView* button : Buttons())
        button->SetValue(button == clicked ? 1 : 0);
    CGroupView::Notify(*this, code);
}
