#include "formats/export/CSliceExportProgress.h"

#include "framework/resources/ResourceScripts.h"

CSliceExportProgress::CSliceExportProgress(int count, ResourceId cancelText)
    : operation_(GetResourceString(Res::kStringSlicesLeft), GetResourceString(Res::kStringStop)),
      count_(count),
      cancelText_(cancelText) {}

bool CSliceExportProgress::Continue(int done) {
    operation_.Update(count_ - done, static_cast<std::uint16_t>(done * 100 / count_));
    if (!operation_.WasCancelled()) return true;
    operation_.SetTitle(GetResourceString(cancelText_));
    return false;
}

void CSliceExportProgress::Complete() { operation_.Update(0, 100); }
