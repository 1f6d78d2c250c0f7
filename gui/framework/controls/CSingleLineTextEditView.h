#pragma once
// A one-line text field, 22 pixels high, with a maximum length. Return or
// keypad Enter ends the entry keeping the text; Escape ends it bringing back
// the text the field had when it took the focus. Either way the window is
// told (a document window takes the keys back) and the value is reported.
#include <string>

#include "gui/framework/controls/CNativeControlView.h"

class CSingleLineTextEditView : public CNativeControlView {
public:
    static constexpr int kHeight = 22;

    CSingleLineTextEditView(CGroupView* parent, int left, int top, int width, int maxLength);

    std::string Text() const;
    void SetText(const std::string& text);

    bool TakesTyping() const override { return true; }
    void KeyDown(const CKeyEvent& event) override;

protected:
    void FocusTaken(bool returning) override;

private:
    void FinishEntry(bool keep);

    std::string fTextBefore;
};
