#pragma once
// The root of a window's view tree: it knows its window and covers it.
#include "gui/framework/views/CGroupView.h"

class CWindowRootGroupView : public CGroupView {
public:
    CWindowRootGroupView(CABCWindow& window, const PixelRect& frame);

    void Notify(CView& source, std::int32_t code) override;
};
