#include "gui/framework/views/CWindowRootGroupView.h"

#include "gui/framework/application/CLowLevelApplication.h"
#include "gui/framework/windows/CABCWindow.h"

CWindowRootGroupView::CWindowRootGroupView(CABCWindow& window, const PixelRect& frame)
    : CGroupView(nullptr, frame)
{
    AttachToWindow(window);
}

void CWindowRootGroupView::Notify(CView& source, std::int32_t code)
{
    // Reports come from the user's use of a control, inside Qt's signals.
    CLowLevelApplication::RunGuarded([&] { GetWindow()->ControlNotify(source, code); });
}
