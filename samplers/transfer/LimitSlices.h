#pragma once
// The slice limit of a transmission: more slices than the sampler can use
// are cut to the limit when the user agrees.
#include "resources/CaravelResources.h"

// `count` when it is within `limit`; otherwise `alert` (a script with
// "%d" for count, limit and limit, [Cancel][OK]) is shown and OK answers
// `limit`, Cancel raises XSampleTransmitCancelled.
int LimitSlices(int count, int limit, ResourceId alert = Res::kAlertTooManySlices);
