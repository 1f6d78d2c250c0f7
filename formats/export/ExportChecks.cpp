#include "formats/export/ExportChecks.h"

#include "document/analysis/CSliceRenderSet.h"
#include "framework/exceptions/Exceptions.h"

void CheckLoopHasLength(const CSliceRenderSet& renderSet) {
    if (renderSet.To() <= renderSet.From()) throw XBadFormat();
}
