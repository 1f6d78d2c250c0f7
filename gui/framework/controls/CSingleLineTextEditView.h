#pragma once
// A one-line text field, 22 pixels high, with a maximum length.
#include <string>

#include "gui/framework/controls/CNativeControlView.h"

class CSingleLineTextEditView : public CNativeControlView {
public:
    static constexpr int kHeight = 22;

    CSingleLineTextEditView(CGroupView* parent, int left, int top, int width, int maxLength);

    std::string Text() const;
    void SetText(const std::string& text);
};
