#include "framework/resources/CAlertLayout.h"

#include <algorithm>

namespace {

// Template positions of the box's items.
constexpr AlertRect kButtonTemplate[3] = {{10, 60, 54, 14}, {68, 60, 54, 14}, {126, 60, 54, 14}};
constexpr AlertRect kTextTemplate{37, 10, 143, 44};
constexpr AlertRect kIconTemplate{10, 10, 20, 20};
// Two buttons move right by half the distance between items 1 and 2.
constexpr int kPairShift = (68 - 10) / 2;

}  // namespace

CAlertLayout::CAlertLayout(const AlertDefinition& alert)
    : fAlert(alert), fButtonCount(std::clamp<int>(alert.buttonCount, 1, 3))
{
}

bool CAlertLayout::HasItem(int item) const
{
    if (item >= kButton1 && item <= kButton3)
        return item <= fButtonCount;
    return item == kTextItem || item == kIconItem;
}

AlertRect CAlertLayout::ItemRect(int item) const
{
    if (!HasItem(item))
        return {};
    if (item == kIconItem)
        return kIconTemplate;
    if (item == kTextItem) {
        if (SystemIcon() != kNoIcon)
            return kTextTemplate;
        // Without an icon the text starts at the icon's left edge.
        const int right = kTextTemplate.x + kTextTemplate.width;
        return {kIconTemplate.x, kTextTemplate.y, right - kIconTemplate.x, kTextTemplate.height};
    }
    AlertRect rect = kButtonTemplate[item - 1];
    if (fButtonCount == 2)
        rect.x += kPairShift;
    else if (fButtonCount == 1)
        rect.x = kButtonTemplate[1].x;
    return rect;
}

const std::string& CAlertLayout::ButtonLabel(int item) const
{
    static const std::string kNone;
    return HasItem(item) && item <= kButton3 ? fAlert.buttons[static_cast<std::size_t>(item - 1)] : kNone;
}

std::int32_t CAlertLayout::ButtonCode(int item) const
{
    return HasItem(item) && item <= kButton3 ? kAlertButtonSlot0 + (item - 1) : kAlertNoButton;
}

int CAlertLayout::SystemIcon() const
{
    switch (fAlert.kind) {
    case kAlertKindNote:
        return kInformationIcon;
    case kAlertKindWarning:
        return kExclamationIcon;
    case kAlertKindNone:
        return kNoIcon;
    default:
        return kStopIcon;
    }
}

std::string CAlertLayout::Text() const { return fAlert.title + " " + fAlert.message; }

int CAlertLayout::MoveFocus(int focus, AlertKey key) const
{
    if (focus < kButton1 || focus > fButtonCount)
        return kButton1;
    if (key == AlertKey::Left)
        return focus == kButton1 ? fButtonCount : focus - 1;
    if (key == AlertKey::Right)
        return focus == fButtonCount ? kButton1 : focus + 1;
    return focus;
}

int CAlertLayout::PressedByKey(AlertKey key) const
{
    return key == AlertKey::Return || key == AlertKey::Enter ? DefaultButton() : kNoItem;
}
