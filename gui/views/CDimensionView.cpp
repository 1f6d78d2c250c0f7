#include "gui/views/CDimensionView.h"

#include "document/views/CVisibleRange.h"

CDimensionView::CDimensionView(CGroupView* parent, const PixelRect& frame, CABCLoopViewHost& host)
    : CControlView(parent, frame), host_(host)
{
}

CFrameScale CDimensionView::Scale() const
{
    return host_.Range().Scale(GetFrame().Width());
}
