#include "gui/window/CAlertExportFeedback.h"

#include "framework/alerts/Alerts.h"
#include "framework/resources/ResourceScripts.h"

namespace {
constexpr std::int32_t kLastButton = 33;
constexpr std::int32_t kMiddleButton = 34;
}  // namespace

bool CAlertExportFeedback::AcceptFirstSlices(ExportKind kind, int limit)
{
    // The SLX question has no script of its own: alert 50's, naming the SLX file.
    std::string script = GetAlertScript(Res::kAlertMIDIFileTooManySlices);
    const std::size_t midi = script.find("MIDI file");
    if (kind == ExportKind::kSLX && midi != std::string::npos)
        script.replace(midi, 4, "SLX");
    const std::size_t at = script.find("%d");
    if (at != std::string::npos)
        script.replace(at, 2, std::to_string(limit));
    return ShowAlertText(script) == kLastButton;  // [Cancel][OK]
}

bool CAlertExportFeedback::AcceptFirstSlices(ExportKind kind, int count, int limit)
{
    ResourceId alert = 0;
    switch (kind) {
    case ExportKind::kSoundFont: alert = Res::kAlertSoundFontTooManySlices; break;
    case ExportKind::kMixman: alert = Res::kAlertMixmanTooManySlices; break;
    case ExportKind::kSampleCell: alert = Res::kAlertSampleCellTooManySlices; break;
    default: return AcceptFirstSlices(kind, limit);
    }
    // The script counts with %d: the slices there are, then the limit twice.
    std::string script = GetAlertScript(alert);
    for (const int value : {count, limit, limit}) {
        const std::size_t at = script.find("%d");
        if (at != std::string::npos)
            script.replace(at, 2, std::to_string(value));
    }
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
