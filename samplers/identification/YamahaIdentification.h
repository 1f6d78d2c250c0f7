#pragma once
// How a Yamaha A3000 makes itself known: over MIDI by its Universal
// Identity Reply (manufacturer 43, family 30, member 0, the version as four
// digits), over SCSI by its INQUIRY (vendor "YAMAHA", product "A3000", the
// version in the revision text).
#include "samplers/identification/UniversalIdentity.h"

namespace YamahaIdentification {

inline constexpr std::uint8_t kManufacturer = 0x43;
inline constexpr std::uint16_t kFamily = 0x30;
inline constexpr std::uint16_t kA3000 = 0;

// Type 6000 with the reply's device and version.
std::optional<IdentifiedSampler> RecogniseIdentity(const UniversalIdentity::Reply& reply);
// Type 6002 with the version of the revision text.
std::optional<IdentifiedSampler> RecogniseInquiry(const InquiryIdentity& inquiry);

}  // namespace YamahaIdentification
