#pragma once
// A progress bar over 0-1000; the native position changes only when it differs.
#include "gui/framework/controls/CNativeControlView.h"

class CProgressBarView : public CNativeControlView {
public:
    static constexpr int kMaximum = 1000;

    CProgressBarView(CGroupView* parent, const PixelRect& frame);

    int NativePosition() const;

protected:
    void ShowValue() override;
};
