#include "framework/ui/views/CWindowRootGroupView.h"

#include "framework/ui/application/CLowLevelApplication.h"
#include "framework/ui/windows/CABCWindow.h"

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
