#include "gui/window/CWindowTransmitHost.h"

#include <new>

#include "framework/alerts/Alerts.h"
#include "framework/exceptions/GeneralExceptions.h"
#include "gui/dialogs/CMixmanExportDialog.h"
#include "gui/dialogs/CSampleCellExportDialog.h"
#include "gui/dialogs/CSoundFontExportDialog.h"
#include "slicing/CSliceRenderSet.h"
#include "sound/WAVE_SAMPLE.h"

namespace {

constexpr std::int32_t kYes = 33;

}  // namespace

std::string CWindowTransmitHost::SliceWindowName(const std::string& documentName, int index)
{
    return documentName.substr(0, documentName.find('.')) + " #" + std::to_string(index + 1);
}

void CWindowTransmitHost::OpenSlicesInNewWindows(const CInstalledSampler&)
{
    const CSliceRenderSet& slices = fJob.renderSet;
    const int count = slices.Count();
    if (count > 1 && ShowAlertWithArgument(Res::kAlertOpenManyWindows, std::to_string(count)) != kYes)
        return;
    for (int k = 0; k < count; ++k) {
        try {
            std::unique_ptr<WAVE_SAMPLE> sound = slices.Render(k);
            sound->SetName(SliceWindowName(fJob.sampleName, k).c_str());
            fOpenWindow(std::move(sound));
        } catch (const XOutOfMemory&) {
            ShowAlert(Res::kAlertNoMemoryForSampleWindow);
            return;
        } catch (const std::bad_alloc&) {
            ShowAlert(Res::kAlertNoMemoryForSampleWindow);
            return;
        }
    }
}

template <class Dialog>
void CWindowTransmitHost::RunDialog()
{
    std::unique_ptr<Dialog> dialog;
    try {
        dialog = std::make_unique<Dialog>(fJob);
    } catch (const std::bad_alloc&) {
        ShowAlert(Res::kAlertNoMemoryForWindow);
        return;
    } catch (const XOutOfMemory&) {
        ShowAlert(Res::kAlertNoMemoryForWindow);
        return;
    }
    dialog->RunModal();
}

void CWindowTransmitHost::ExportSampleCell(const CInstalledSampler&)
{
    RunDialog<CSampleCellExportDialog>();
}

void CWindowTransmitHost::ExportSoundFont(const CInstalledSampler&)
{
    RunDialog<CSoundFontExportDialog>();
}

void CWindowTransmitHost::ExportMixman(const CInstalledSampler&)
{
    if (fJob.renderSet.Numerator() != 4 || fJob.renderSet.Denominator() != 4) {
        ShowAlert(Res::kAlertMixmanNot44);
        return;
    }
    RunDialog<CMixmanExportDialog>();
}
