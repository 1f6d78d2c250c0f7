#pragma once
// A fader (slider) with positions 0-999 and page steps of 100; focusable.
#include "gui/framework/controls/CNativeControlView.h"

class CFaderView : public CNativeControlView {
public:
    static constexpr int kMaximum = 999;
    static constexpr int kPageStep = 100;

    // Placed at (left, top) in its default size: 100 x 25, or 25 x 100 upright.
    CFaderView(CGroupView* parent, int left, int top, bool vertical);
    CFaderView(CGroupView* parent, const PixelRect& frame, bool vertical);

    // The user holds the handle.
    bool IsDragged() const;

protected:
    void ShowValue() override;
};
