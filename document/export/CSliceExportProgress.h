#pragma once
// The progress of an export that writes slice after slice: "Slices left:"
// with a Stop button, the slices still to do and the percentage done.
#include "framework/progress/CLengthyOperation.h"
#include "resources/CaravelResources.h"

class CSliceExportProgress {
public:
    // cancelText is shown when the user stops the export.
    CSliceExportProgress(int count, ResourceId cancelText);

    // Reports that done slices are written; false (after showing the cancel
    // text) when the user has asked to stop.
    bool Continue(int done);
    // The same within a slice: done slices written and percent of the next.
    bool Continue(int done, std::uint16_t percent);
    // Shows the full bar.
    void Complete();

private:
    CLengthyOperation operation_;
    int count_;
    ResourceId cancelText_;
};
