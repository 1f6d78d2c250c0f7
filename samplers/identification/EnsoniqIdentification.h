#pragma once
// How an Ensoniq EPS, EPS-16+ or ASR-10 shows that it is on-line: it answers
// the control message with value 17 with a response message on its channel.
// It answers none of the identification requests of a scan and tells no
// version.
#include "samplers/identification/Identification.h"

namespace EnsoniqIdentification {

inline constexpr std::uint8_t kManufacturer = 0x0F;
inline constexpr std::uint8_t kProduct = 0x03;

// F0 0F 03 channel 40, 17 as 12 bits, F7.
SysexBytes OnlineTest(std::uint8_t channel);
// An 8-byte response message (code byte 1) of product 3 on the channel.
bool IsOnlineAnswer(const SysexBytes& message, std::uint8_t channel);
SysexBytes Response(std::uint8_t channel, std::uint16_t code);

}  // namespace EnsoniqIdentification
