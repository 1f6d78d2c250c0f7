#pragma once
// How a Roland S-760 makes itself known: it answers a request for the 32
// bytes of its identity area (RQ1 to model 34, address 0) with the data set
// (DT1) of that area. It tells no version.
#include <array>
#include <optional>

#include "samplers/identification/Identification.h"
#include "samplers/roland/RolandMessages.h"

namespace RolandIdentification {

inline constexpr std::uint8_t kManufacturer = Roland::kManufacturer;
inline constexpr std::uint8_t kModel = Roland::kS760Model;
inline constexpr std::size_t kIdentityBytes = 32;

// F0 41 device 34 11, address 0, size 32, checksum, F7.
SysexBytes Request(std::uint8_t device);
// Exactly 43 bytes, DT1 of model 34 at address 0 with a right checksum:
// type 2000 and the device byte as SysEx ID.
std::optional<IdentifiedSampler> RecogniseReply(const SysexBytes& message);
SysexBytes ReplyBytes(std::uint8_t device, const std::array<std::uint8_t, kIdentityBytes>& identity);

}  // namespace RolandIdentification
