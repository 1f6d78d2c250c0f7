#pragma once
// The MIDI Universal Identity Request and its reply, which the Kurzweil and
// Yamaha samplers answer.
#include <array>
#include <optional>

#include "samplers/identification/Identification.h"

namespace UniversalIdentity {

struct Reply {
    std::uint8_t device = 0;
    std::uint8_t manufacturer = 0;
    std::uint16_t family = 0;  // sent least significant byte first
    std::uint16_t member = 0;
    std::array<std::uint8_t, 4> version{};
};

// F0 7E channel 06 01 F7.
SysexBytes Request(std::uint8_t channel);
// Exactly 15 bytes: F0 7E device 06 02, manufacturer, family, member, four
// version bytes, F7; nothing for any other message.
std::optional<Reply> Parse(const SysexBytes& message);
SysexBytes ReplyBytes(const Reply& reply);
// Four version digits a b c d as version (a × 10 + b).(c × 10 + d).
CVersion DigitsVersion(const std::array<std::uint8_t, 4>& digits);

}  // namespace UniversalIdentity
