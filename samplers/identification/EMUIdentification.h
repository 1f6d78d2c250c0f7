#pragma once
// How an E-mu sampler makes itself known on the SCSI bus: its INQUIRY names
// a processor, vendor "E-mu", the model as product and the OS version in
// the revision ("4.10" or "4,10").
#include <optional>
#include <string>

#include "samplers/identification/Identification.h"

namespace EMUIdentification {

// The type of the product (an "Emulator IV" with OS 4.00 or later is the
// EOS type 5101) with the revision's version.
std::optional<IdentifiedSampler> RecogniseInquiry(const InquiryIdentity& inquiry);
// The product text of an E-mu type (the EOS type answers as "Emulator IV"),
// empty for any other type.
std::string ProductName(std::uint32_t typeId);
// Whether a sampler of installed type typeId answers with this inquiry.
bool Verifies(std::uint32_t typeId, const InquiryIdentity& inquiry);

}  // namespace EMUIdentification
