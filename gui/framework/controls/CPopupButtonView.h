#pragma once
// A drop-down list; its value is the index of the chosen item.
#include <string>
#include <vector>

#include "gui/framework/controls/CNativeControlView.h"

class CPopupButtonView : public CNativeControlView {
public:
    CPopupButtonView(CGroupView* parent, const PixelRect& frame);

    void SetItems(const std::vector<std::string>& labels);
    int ItemCount() const;

protected:
    void ShowValue() override;
};
