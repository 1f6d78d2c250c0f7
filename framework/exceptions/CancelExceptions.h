#pragma once
// Stops by the user inside the transfer dialogs. Each dialog class names its
// own as a nested type (using ...Cancelled = ::X...Cancelled), so the ladder
// can tell them apart without knowing the dialogs.
#include "framework/exceptions/XBase.h"

QUILLET_EXCEPTION(XSampleTransmitCancelled, XBase);
QUILLET_EXCEPTION(XAKAIDeleteCancelled, XBase);
QUILLET_EXCEPTION(XK2000DeleteCancelled, XBase);
QUILLET_EXCEPTION(XS760DeleteCancelled, XBase);
