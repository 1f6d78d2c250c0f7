#pragma once
// One of the system's message icons.
#include "gui/framework/views/CView.h"

class CIconView : public CView {
public:
    enum class Icon { kNone, kStop, kInformation, kExclamation };

    CIconView(CGroupView* parent, const PixelRect& frame, Icon icon);

    Icon GetIcon() const { return fIcon; }
    void Draw(QPainter& painter) override;

private:
    Icon fIcon;
};
