#pragma once
// How an AKAI sampler makes itself known. Over MIDI it answers the status
// request (operation 00) with its status (01): byte 5 the OS minor version,
// byte 6 the model (a multiple of 5: 0 S1000, 5 S1100, 10 S3000, 15 S2000)
// plus the OS major version. A sampler answering as S3000 or S2000 tells its
// exact model when asked for its miscellaneous data (operation 10; answer 11
// with one model byte). Over SCSI its INQUIRY names vendor "AKAI" and the
// model as product.
#include <optional>

#include "samplers/identification/Identification.h"

namespace AKAIIdentification {

inline constexpr std::uint8_t kManufacturer = 0x47;
inline constexpr std::uint8_t kS1000Family = 0x48;
// Models of the status message.
inline constexpr std::uint8_t kModelS1000 = 0;
inline constexpr std::uint8_t kModelS1100 = 5;
inline constexpr std::uint8_t kModelS3000 = 10;
inline constexpr std::uint8_t kModelS2000 = 15;

// F0 47 channel 00 48 F7.
SysexBytes StatusRequest(std::uint8_t channel);
// The type of the status's model, the channel as SysEx ID, the version.
std::optional<IdentifiedSampler> RecogniseStatus(const SysexBytes& message);
SysexBytes StatusReply(std::uint8_t channel, std::uint8_t model, CVersion version);

// Whether the type answers as an S3000 or S2000 and has an exact model.
bool HasExactModel(std::uint32_t typeId);
// F0 47 channel 10 48 F7.
SysexBytes ModelRequest(std::uint8_t channel);
// The type of the model an answer on the channel names; nothing for any
// other message or an unknown model.
std::optional<std::uint32_t> RecogniseModel(const SysexBytes& message, std::uint8_t channel);
// For a type of the S3000 family.
SysexBytes ModelReply(std::uint8_t channel, std::uint32_t typeId);

// The SCSI type (4131, 4151, 4161 or 4171) with the revision's version.
std::optional<IdentifiedSampler> RecogniseInquiry(const InquiryIdentity& inquiry);

}  // namespace AKAIIdentification
