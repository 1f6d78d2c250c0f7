#pragma once
// A radio button; its group keeps one of its radio buttons selected. The
// value is 1 when selected.
#include <string>

#include "gui/framework/controls/CNativeControlView.h"

class CRadioButtonView : public CNativeControlView {
public:
    CRadioButtonView(CGroupView* parent, const PixelRect& frame, const std::string& text);
    CRadioButtonView(CGroupView* parent, const DialogItemRecord& item);

    bool IsSelected() const { return Value() != 0; }

protected:
    void ShowValue() override;
};
