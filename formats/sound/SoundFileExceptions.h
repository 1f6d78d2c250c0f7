#pragma once
// The refusals of the sound-file open path that the general format classes
// cannot tell apart. All are unsupported formats, so a catch of
// XUnsupportedFormat still receives them.
#include "framework/exceptions/GeneralExceptions.h"

QUILLET_EXCEPTION(XSoundTooLong, XUnsupportedFormat);
QUILLET_EXCEPTION(XTooManyChannels, XUnsupportedFormat);
QUILLET_EXCEPTION(XUnsupportedRate, XUnsupportedFormat);
