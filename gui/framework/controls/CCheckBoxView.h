#pragma once
// A check box; its value is 1 when checked.
#include <string>

#include "gui/framework/controls/CNativeControlView.h"

class CCheckBoxView : public CNativeControlView {
public:
    CCheckBoxView(CGroupView* parent, const PixelRect& frame, const std::string& text);
    CCheckBoxView(CGroupView* parent, const DialogItemRecord& item);

    bool IsChecked() const { return Value() != 0; }
    void SetChecked(bool checked) { SetValue(checked ? 1 : 0); }

protected:
    void ShowValue() override;
};
