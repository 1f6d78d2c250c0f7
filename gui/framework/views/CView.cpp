#include "gui/framework/views/CView.h"

#include "gui/framework/views/CGroupView.h"
#include "gui/framework/windows/CABCWindow.h"

CView::CView(CGroupView* parent, const PixelRect& frame)
    : fParent(parent), fWindow(parent ? parent->GetWindow() : nullptr), fFrame(frame)
{
    if (fParent)
        fParent->AddChild(this);
}

CView::~CView()
{
    if (fWindow)
        fWindow->ForgetView(*this);
    if (fParent)
        fParent->RemoveChild(this);
}

void CView::SetFrame(const PixelRect& frame)
{
    fFrame = frame;
    StateChanged();
    Invalidate();
}

PixelRect CView::FrameInWindow() const
{
    PixelRect frame = fFrame;
    for (const CGroupView* parent = fParent; parent; parent = parent->Parent()) {
        const PixelRect& outer = parent->GetFrame();
        frame.left += outer.left;
        frame.right += outer.left;
        frame.top += outer.top;
        frame.bottom += outer.top;
    }
    return frame;
}

bool CView::IsShown() const
{
    for (const CView* view = this; view; view = view->Parent())
        if (!view->IsVisible())
            return false;
    return true;
}

void CView::SetVisible(bool visible)
{
    fVisible = visible;
    StateChanged();
    Invalidate();
}

void CView::SetEnabled(bool enabled)
{
    fEnabled = enabled;
    StateChanged();
    Invalidate();
}

void CView::Activate()
{
    if (fFocusable && fWindow)
        fWindow->SetFocusView(this);
}

bool CView::HasFocus() const
{
    return fWindow && fWindow->FocusView() == this;
}

void CView::Notify(CView& source, std::int32_t code)
{
    if (fParent)
        fParent->Notify(source, code);
}

bool CView::DoCommand(std::uint32_t)
{
    return false;
}

void CView::KeyDown(const CKeyEvent&) {}
void CView::Draw(QPainter&) {}

bool CView::MouseDown(const CMouseEvent&)
{
    return false;
}

void CView::TrackMouse(const CMouseEvent&) {}
void CView::MouseReleased(const CMouseEvent&) {}
void CView::TrackingLost() {}

CursorShape CView::AdjustCursor(const CMouseEvent& event) const
{
    if (!fParent)
        return CursorShape::kArrow;
    CMouseEvent inParent = event;
    inParent.x += fFrame.left;
    inParent.y += fFrame.top;
    return fParent->AdjustCursor(inParent);
}

CView* CView::HitTest(int x, int y)
{
    return fFrame.Contains(x, y) && fVisible ? this : nullptr;
}

void CView::Invalidate()
{
    if (fWindow)
        fWindow->InvalidateRect(FrameInWindow());
}
