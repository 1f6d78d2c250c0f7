#pragma once
// The parse of one alert script:
//   TAG [title] message [button] [button] [button]
// where TAG is "[STOP]", "[NOTE]", "[WARN]" or "[NONE]" and the brackets
// around title and buttons are part of the script.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "framework/resources/CAlertArguments.h"

enum AlertKind : std::int32_t {
    kAlertKindStop = 10,
    kAlertKindNote = 11,
    kAlertKindWarning = 12,
    kAlertKindNone = 13,
};

// Codes the alert box returns: slot 0 (the button written last) gives 33,
// slot 1 gives 34, slot 2 (the first of three) gives 35.
enum AlertButtonCode : std::int32_t {
    kAlertButtonSlot0 = 33,
    kAlertButtonSlot1 = 34,
    kAlertButtonSlot2 = 35,
    kAlertNoButton = 36,
};

struct AlertDefinition {
    static constexpr std::size_t kMaxButtons = 3;
    static constexpr std::size_t kMaxTextLength = 511;
    static constexpr std::size_t kMaxLabelLength = 255;

    std::int32_t kind = kAlertKindNone;
    std::string title;
    std::string message;
    std::uint16_t buttonCount = 0;
    // Slot 0 holds the last button written in the script.
    std::array<std::string, kMaxButtons> buttons;
};

// Substitutes the arguments into a copy of `script`, then reads kind, title,
// message and buttons. With more than three buttons the last three are kept.
AlertDefinition ParseAlertScript(std::string_view script, const CAlertArguments& arguments = CAlertArguments());
