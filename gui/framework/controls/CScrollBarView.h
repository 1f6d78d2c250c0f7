#pragma once
// A scroll bar reporting positions 0-999 whatever its length.
#include "gui/framework/controls/CNativeControlView.h"

class CScrollBarView : public CNativeControlView {
public:
    static constexpr int kMaximum = 999;

    CScrollBarView(CGroupView* parent, const PixelRect& frame, bool vertical);

protected:
    void ShowValue() override;
};
