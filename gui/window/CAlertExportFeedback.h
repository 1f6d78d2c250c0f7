#pragma once
// An export's questions asked with alert boxes: "Too many slices!" (alert
// 50) and the replace question for slice files (alert 18).
#include "document/export/CABCExportFeedback.h"

class CAlertExportFeedback : public CABCExportFeedback {
public:
    bool AcceptFirstSlices(ExportKind kind, int limit) override;
    ReplaceAnswer AskReplace(const std::string& fileName) override;
};
