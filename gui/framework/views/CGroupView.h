#pragma once
// A view with ordered children; drawing, hit tests and state changes reach
// every child. Children are owned: the group deletes them.
#include <memory>
#include <vector>

#include "gui/framework/views/CView.h"

class CGroupView : public CView {
public:
    CGroupView(CGroupView* parent, const PixelRect& frame);
    ~CGroupView() override;

    void AddChild(CView* child);
    void RemoveChild(CView* child);
    const std::vector<CView*>& Children() const { return fChildren; }

    CView* HitTest(int x, int y) override;
    void SetVisible(bool visible) override;
    void SetEnabled(bool enabled) override;
    void SetFrame(const PixelRect& frame) override;

    // Draws the group, then each shown child translated to its origin.
    void DrawTree(QPainter& painter);

protected:
    void StateChanged() override;

private:
    std::vector<CView*> fChildren;
};
