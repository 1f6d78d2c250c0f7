#include "document/export/ExportChecks.h"

#include "framework/exceptions/Exceptions.h"
#include "slicing/CSliceRenderSet.h"

void CheckLoopHasLength(const CSliceRenderSet& renderSet) {
    if (renderSet.To() <= renderSet.From()) throw XBadFormat();
}
