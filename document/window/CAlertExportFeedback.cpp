#include "document/window/CAlertExportFeedback.h"

#include "framework/alerts/Alerts.h"
#include "framework/resources/ResourceScripts.h"

namespace {
constexpr std::int32_t kLastButton = 33;
constexpr std::int32_t kMiddleButton = 34;
}  // namespace

bool CAlertExportFeedback::AcceptFirstSlices(ExportKind, int limit)
{
    std::string script = GetAlertScript(Res::kAlertMIDIFileTooManySlices);
    const std::size_t at = script.find("%d");
    if (at != std::string::npos)
        script.replace(at, 2, std::to_string(limit));
    return ShowAlertText(script) == kLastButton;  // [Cancel][OK]
}

CABCExportFeedback::ReplaceAnswer CAlertExportFeedback::AskReplace(const std::string& fileName)
{
    switch (ShowAlertWithArgument(Res::kAlertFileExists, fileName)) {  // [Replace][Replace All][Cancel]
    case kLastButton: return ReplaceAnswer::kCancel;
    case kMiddleButton: return ReplaceAnswer::kReplaceAll;
    default: return ReplaceAnswer::kReplace;
    }
}
