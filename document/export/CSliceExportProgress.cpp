#include "document/export/CSliceExportProgress.h"

CSliceExportProgress::CSliceExportProgress(int count, ResourceId cancelText)
    : operation_(Res::kStringSlicesLeft, Res::kStringStop),
      count_(count),
      cancelText_(cancelText) {}

bool CSliceExportProgress::Continue(int done) { return Continue(done, static_cast<std::uint16_t>(done * 100 / count_)); }

bool CSliceExportProgress::Continue(int done, std::uint16_t percent) {
    operation_.Update(count_ - done, percent);
    if (!operation_.WasCancelled()) return true;
    operation_.SetTitle(cancelText_);
    return false;
}

void CSliceExportProgress::Complete() { operation_.Update(0, 100); }
