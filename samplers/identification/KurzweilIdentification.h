#pragma once
// How a Kurzweil K2000 or K2500 makes itself known: over MIDI by its
// Universal Identity Reply (manufacturer 07, family 78, member 1 for the
// K2000 and 2 for the K2500), over SCSI by its INQUIRY (vendor "Kurzweil",
// product "K2000" or "K2500", the version in the revision text).
#include "samplers/identification/UniversalIdentity.h"

namespace KurzweilIdentification {

inline constexpr std::uint8_t kManufacturer = 0x07;
inline constexpr std::uint16_t kFamily = 0x78;
inline constexpr std::uint16_t kK2000 = 1;
inline constexpr std::uint16_t kK2500 = 2;

// The MIDI type (1000 or 1010) with the reply's device and version.
std::optional<IdentifiedSampler> RecogniseIdentity(const UniversalIdentity::Reply& reply);
// The MIDI+SCSI type (1002 or 1012) with the version of the revision text.
std::optional<IdentifiedSampler> RecogniseInquiry(const InquiryIdentity& inquiry);

}  // namespace KurzweilIdentification
