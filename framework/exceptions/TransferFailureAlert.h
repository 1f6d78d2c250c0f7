#pragma once
// The catch ladder shared by every transfer to or from a sampler (transmit,
// receive, delete): which alert a failure shows.
#include <exception>
#include <optional>

#include "resources/CaravelResources.h"

// Answers the alert for the exception held by `failure`, or nothing when the
// user's own stop of a transmission needs no alert. Must not be given a null pointer.
std::optional<ResourceId> TransferFailureAlert(const std::exception_ptr& failure);
