#include "gui/window/CSliceWindowsTransmitHost.h"

#include <new>

#include "framework/alerts/Alerts.h"
#include "framework/exceptions/GeneralExceptions.h"
#include "slicing/CSliceRenderSet.h"
#include "sound/WAVE_SAMPLE.h"

namespace {

constexpr std::int32_t kYes = 33;

}  // namespace

std::string CSliceWindowsTransmitHost::SliceWindowName(const std::string& documentName, int index)
{
    return documentName.substr(0, documentName.find('.')) + " #" + std::to_string(index + 1);
}

void CSliceWindowsTransmitHost::TransmitToSampler(CInstalledSampler& sampler)
{
    if (fTransmitDialog)
        fTransmitDialog(sampler, fSlices);
}

void CSliceWindowsTransmitHost::OpenSlicesInNewWindows(const CInstalledSampler&)
{
    const int count = fSlices.Count();
    if (count > 1 && ShowAlertWithArgument(Res::kAlertOpenManyWindows, std::to_string(count)) != kYes)
        return;
    for (int k = 0; k < count; ++k) {
        try {
            std::unique_ptr<WAVE_SAMPLE> sound = fSlices.Render(k);
            sound->SetName(SliceWindowName(fDocumentName, k).c_str());
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
