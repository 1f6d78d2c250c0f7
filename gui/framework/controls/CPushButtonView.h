#pragma once
// A push button. A press (click, Space, or Press from the keyboard handling of
// a dialog) is remembered until the window takes it with TakePress.
#include <string>

#include "gui/framework/controls/CNativeControlView.h"

class QImage;
class QPushButton;

class CPushButtonView : public CNativeControlView {
public:
    static constexpr std::int32_t kPressed = 2;
    static constexpr std::int64_t kPressedShowTicks = 8;

    CPushButtonView(CGroupView* parent, const PixelRect& frame, const std::string& text);
    // From a dialog template item.
    CPushButtonView(CGroupView* parent, const DialogItemRecord& item);

    void SetText(const std::string& text);
    std::string Text() const;
    // Shows `picture` in place of the text.
    void SetPicture(const QImage& picture);
    void SetDefaultLook(bool isDefault);
    bool HasDefaultLook() const;

    // Presses the button as a click does.
    void Press();
    // Shows the button pressed for 8 ticks, then presses it (keyboard presses).
    void PressVisibly();
    // Answers whether the button was pressed since the last call, and forgets it.
    bool TakePress();

private:
    QPushButton& Button() const;

    bool fPressed = false;
};
