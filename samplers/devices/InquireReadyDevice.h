#pragma once
// What a SCSI device tells of itself, as the sampler identification reads it.
#include <optional>

#include "samplers/identification/Identification.h"

struct SCSIDevice;

// TEST UNIT READY, then a 36-byte INQUIRY; nothing when the device is not
// ready or the INQUIRY fails. Faults of the bus raise XSCSI.
std::optional<InquiryIdentity> InquireReadyDevice(const SCSIDevice& device);
