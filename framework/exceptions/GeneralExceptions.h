#pragma once
// General failures, stream transfers, files and content formats.
#include "framework/exceptions/XBase.h"

QUILLET_EXCEPTION(XOutOfMemory, XBase);
QUILLET_EXCEPTION(XJPegOutOfMemory, XOutOfMemory);
QUILLET_EXCEPTION(XInternalError, XBase);
QUILLET_EXCEPTION(XJPegInternalError, XInternalError);
QUILLET_EXCEPTION(XNotFound, XBase);
QUILLET_EXCEPTION(XTimerFailed, XBase);
QUILLET_EXCEPTION(XOSRequirementsNotFilled, XBase);
QUILLET_EXCEPTION(XSamplerNotSupported, XBase);
QUILLET_EXCEPTION(XSoundInit, XBase);
QUILLET_EXCEPTION(XDiskFull, XBase);

// Stream positioning and transfer.
QUILLET_EXCEPTION(XRead, XBase);
QUILLET_EXCEPTION(XWrite, XBase);
QUILLET_EXCEPTION(XPosition, XBase);

// Files.
QUILLET_EXCEPTION(XFile, XBase);
QUILLET_EXCEPTION(XCreateFailed, XFile);
QUILLET_EXCEPTION(XFileNotFound, XFile);
QUILLET_EXCEPTION(XPreferences, XFile);
QUILLET_EXCEPTION(XInvalidPreferencesFile, XPreferences);
QUILLET_EXCEPTION(XInvalidPreferencesChunk, XPreferences);
QUILLET_EXCEPTION(XPreferencesChunkNotFound, XPreferences);

// Content formats.
QUILLET_EXCEPTION(XBadFormat, XBase);
QUILLET_EXCEPTION(XJPegBadFormat, XBadFormat);
QUILLET_EXCEPTION(XUnsupportedFormat, XBase);
QUILLET_EXCEPTION(XJPegUnsupportedFormat, XUnsupportedFormat);
