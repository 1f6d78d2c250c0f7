#pragma once
// Everything of the alert box but its drawing: which items exist, where they
// stand (dialog units of the 190 x 80 box), which button is the default,
// what each returns, the icon, the text, and the arrow-key focus order.
#include <cstdint>
#include <string>

#include "framework/resources/AlertDefinition.h"

struct AlertRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const AlertRect&) const = default;
};

enum class AlertKey { Left, Right, Return, Enter, Escape, Other };

class CAlertLayout {
public:
    // Item numbers of the box.
    static constexpr int kButton1 = 1;
    static constexpr int kButton2 = 2;
    static constexpr int kButton3 = 3;
    static constexpr int kTextItem = 4;
    static constexpr int kIconItem = 5;
    static constexpr int kNoItem = 0;

    static constexpr int kBoxWidth = 190;
    static constexpr int kBoxHeight = 80;

    // System icons by kind; kNoIcon for kind 13.
    static constexpr int kNoIcon = 0;
    static constexpr int kStopIcon = 32513;
    static constexpr int kExclamationIcon = 32515;
    static constexpr int kInformationIcon = 32516;

    explicit CAlertLayout(const AlertDefinition& alert);

    // Buttons on screen: at least one (button 1 always exists), at most three.
    int ButtonCount() const { return fButtonCount; }
    bool HasItem(int item) const;
    AlertRect ItemRect(int item) const;

    // Button item n shows slot n - 1 and returns 32 + n.
    const std::string& ButtonLabel(int item) const;
    std::int32_t ButtonCode(int item) const;
    int DefaultButton() const { return kButton1; }

    int SystemIcon() const;
    // The title, one blank and the message, in the one static text.
    std::string Text() const;

    int InitialFocus() const { return kButton1; }
    // The button that gets the focus when `key` is pressed with `focus` on a button.
    int MoveFocus(int focus, AlertKey key) const;
    // The button a key presses, or kNoItem: Return and Enter press the
    // default; Escape does nothing, as the box has no cancel button.
    int PressedByKey(AlertKey key) const;

private:
    AlertDefinition fAlert;
    int fButtonCount;
};
