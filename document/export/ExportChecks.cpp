#include "document/export/ExportChecks.h"

#include "framework/exceptions/Exceptions.h"
#include "slicing/CSliceRenderSet.h"

void CheckLoopHasLength(const CSliceRenderSet& renderSet) {
    if (renderSet.To() <= renderSet.From()) throw XBadFormat();
}

void CheckSomethingToExport(const CSliceRenderSet& renderSet) {
    if (renderSet.Count() <= 0) throw XNothingToExport();
}

std::optional<int> SlicesToExport(const CSliceRenderSet& renderSet, CABCExportFeedback::ExportKind kind, int limit,
                                  CABCExportFeedback& feedback) {
    CheckLoopHasLength(renderSet);
    CheckSomethingToExport(renderSet);
    const int count = renderSet.Count();
    if (count <= limit) return count;
    if (!feedback.AcceptFirstSlices(kind, count, limit)) return std::nullopt;
    return limit;
}
