#pragma once
// A control view that owns one Qt widget, a child of its window's widget.
// The widget follows the view's frame, visibility (with its ancestors') and
// enabled state. The view is the window's focus view exactly while its
// widget has the keyboard focus.
#include <memory>

#include "gui/framework/views/CControlView.h"

class QWidget;

class CNativeControlView : public CControlView {
public:
    // Takes ownership of `widget`. The view must belong to a window.
    CNativeControlView(CGroupView* parent, const PixelRect& frame, QWidget* widget);
    ~CNativeControlView() override;

    QWidget& Widget() const { return *fWidget; }
    void Activate() override;

protected:
    void StateChanged() override;
    // The control took the keyboard focus; `returning` when only its window
    // came back to the front (the user left the program or a pop-up closed).
    virtual void FocusTaken(bool /*returning*/) {}

private:
    class CKeyFilter;

    QWidget* fWidget;
    std::unique_ptr<CKeyFilter> fKeyFilter;
};
