#include "gui/framework/views/CGroupView.h"

#include <QPainter>
#include <algorithm>

CGroupView::CGroupView(CGroupView* parent, const PixelRect& frame) : CView(parent, frame) {}

CGroupView::~CGroupView()
{
    // Each child's destructor removes it from the list.
    while (!fChildren.empty())
        delete fChildren.back();
}

void CGroupView::AddChild(CView* child)
{
    fChildren.push_back(child);
}

void CGroupView::RemoveChild(CView* child)
{
    fChildren.erase(std::remove(fChildren.begin(), fChildren.end(), child), fChildren.end());
}

CView* CGroupView::HitTest(int x, int y)
{
    if (!CView::HitTest(x, y))
        return nullptr;
    const int localX = x - GetFrame().left;
    const int localY = y - GetFrame().top;
    for (auto child = fChildren.rbegin(); child != fChildren.rend(); ++child)
        if (CView* hit = (*child)->HitTest(localX, localY))
            return hit;
    return this;
}

void CGroupView::SetVisible(bool visible)
{
    CView::SetVisible(visible);
    for (CView* child : fChildren)
        child->StateChanged();
}

void CGroupView::SetEnabled(bool enabled)
{
    CView::SetEnabled(enabled);
    for (CView* child : fChildren)
        child->StateChanged();
}

void CGroupView::SetFrame(const PixelRect& frame)
{
    CView::SetFrame(frame);
    for (CView* child : fChildren)
        child->StateChanged();
}

void CGroupView::StateChanged()
{
    for (CView* child : fChildren)
        child->StateChanged();
}

void CGroupView::DrawTree(QPainter& painter)
{
    if (!IsVisible())
        return;
    Draw(painter);
    for (CView* child : fChildren) {
        if (!child->IsVisible())
            continue;
        painter.save();
        painter.translate(child->GetFrame().left, child->GetFrame().top);
        if (auto* group = dynamic_cast<CGroupView*>(child))
            group->DrawTree(painter);
        else
            child->Draw(painter);
        painter.restore();
    }
}
