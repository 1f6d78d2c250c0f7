#pragma once
// A control view that owns one Qt widget, a child of its window's widget.
// The widget follows the view's frame, visibility (with its ancestors') and
// enabled state.
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

private:
    class CKeyFilter;

    QWidget* fWidget;
    std::unique_ptr<CKeyFilter> fKeyFilter;
};
