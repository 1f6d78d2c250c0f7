#pragma once
// The catch ladder shared by every transfer to or from a sampler (transmit,
// receive, delete): which alert a failure shows.
#include <exception>
#include <optional>

#include "resources/CaravelResources.h"

// Answers the alert for the exception held by `failure`, or nothing when
// none is due: the user's own stop of a transmission, and a MIDI port that
// would not open (its opening showed the alert naming it). A MIDI or SCSI
// port failing in the middle of a transfer is a communication failure.
// Must not be given a null pointer.
std::optional<ResourceId> TransferFailureAlert(const std::exception_ptr& failure);
