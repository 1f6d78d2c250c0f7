#pragma once
// A group drawn with a frame and, when it has one, a caption in the frame's
// top edge. CUntitledGroupBoxView is the same without a caption.
#include <string>

#include "gui/framework/views/CGroupView.h"

class CGroupBoxView : public CGroupView {
public:
    CGroupBoxView(CGroupView* parent, const PixelRect& frame, std::string caption);

    void Draw(QPainter& painter) override;

private:
    std::string fCaption;
};

class CUntitledGroupBoxView : public CGroupBoxView {
public:
    CUntitledGroupBoxView(CGroupView* parent, const PixelRect& frame) : CGroupBoxView(parent, frame, {}) {}
};
