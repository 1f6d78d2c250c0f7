#pragma once
// A group of radio buttons (its radio-button children, in order) with one
// selected at a time. A click selects that button, clears the others and
// reports the group as changed.
#include "gui/framework/views/CGroupView.h"

class CRadioButtonView;

class CRadioButtonGroupView : public CGroupView {
public:
    static constexpr int kNoSelection = -1;

    CRadioButtonGroupView(CGroupView* parent, const PixelRect& frame);

    int SelectedIndex() const;
    void Select(int index);
    void Notify(CView& source, std::int32_t code) override;

private:
    std::vector<CRadioButtonView*> Buttons() const;
};
