#pragma once
// Checks shared by the exports before they write anything.
#include <optional>

#include "document/export/CABCExportFeedback.h"
#include "framework/exceptions/XBase.h"

class CSliceRenderSet;

// Every slice between the locators is silenced: a file of samples would
// hold none.
QUILLET_EXCEPTION(XNothingToExport, XBase);

// The loop between the locators must hold frames: an empty sound or equal
// locators leave nothing to export and no length to scale positions by.
// XBadFormat otherwise.
void CheckLoopHasLength(const CSliceRenderSet& renderSet);

// XNothingToExport unless the render set gives at least one sound.
void CheckSomethingToExport(const CSliceRenderSet& renderSet);

// How many outputs of the render set an export of at most limit writes: all
// of them, or the first limit when the user accepts that; nothing when the
// user declines. XBadFormat for a loop without frames, XNothingToExport for
// one that gives no sound.
std::optional<int> SlicesToExport(const CSliceRenderSet& renderSet, CABCExportFeedback::ExportKind kind, int limit,
                                  CABCExportFeedback& feedback);
