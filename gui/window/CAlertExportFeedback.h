#pragma once
// An export's questions asked with alert boxes: "Too many slices!" (alert
// 50, and for the sampler files alerts 13, 15 and 17 of list 132) and the
// replace question for slice files (alert 18).
#include "document/export/CABCExportFeedback.h"

class CAlertExportFeedback : public CABCExportFeedback {
public:
    bool AcceptFirstSlices(ExportKind kind, int limit) override;
    bool AcceptFirstSlices(ExportKind kind, int count, int limit) override;
    ReplaceAnswer AskReplace(const std::string& fileName) override;
};
