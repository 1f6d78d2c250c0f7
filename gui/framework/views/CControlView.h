#pragma once
// A control: a view with a 32-bit value that reports its changes to the
// window (Notify with kValueChanged).
#include "gui/framework/views/CView.h"

class CControlView : public CView {
public:
    static constexpr std::int32_t kValueChanged = 1;

    CControlView(CGroupView* parent, const PixelRect& frame) : CView(parent, frame) {}

    std::int32_t Value() const { return fValue; }
    // Sets the value without a notification (the program's own change).
    void SetValue(std::int32_t value);

protected:
    // A change made by the user: stores it and notifies the window.
    void UserChangedValue(std::int32_t value);
    // Shows the value; native controls move their widget here.
    virtual void ShowValue() { Invalidate(); }

private:
    std::int32_t fValue = 0;
};
