#include "gui/dialogs/SamplerTransferDialogs.h"

#include <string_view>

#include "gui/dialogs/CAKAIReceiveDialog.h"
#include "gui/dialogs/CAKAITransmitDialog.h"
#include "gui/dialogs/CEMUReceiveDialog.h"
#include "gui/dialogs/CEMUTransmitDialog.h"
#include "gui/dialogs/CEnsoniqReceiveDialog.h"
#include "gui/dialogs/CEnsoniqTransmitDialog.h"
#include "gui/dialogs/CK2000ReceiveDialog.h"
#include "gui/dialogs/CK2000TransmitDialog.h"
#include "gui/dialogs/CS760ReceiveDialog.h"
#include "gui/dialogs/CS760TransmitDialog.h"
#include "gui/dialogs/CSDSReceiveDialog.h"
#include "gui/dialogs/CSDSTransmitDialog.h"
#include "gui/dialogs/CYamahaReceiveDialog.h"
#include "gui/dialogs/CYamahaTransmitDialog.h"
#include "samplers/ensoniq/CEnsoniqTransfer.h"
#include "samplers/kurzweil/CK2000Transfer.h"
#include "samplers/model/CABCSupportedSampler.h"
#include "samplers/model/CInstalledSampler.h"
#include "samplers/model/SamplerFamily.h"
#include "samplers/roland/CS760Transfer.h"

namespace {

// The family's dialog on the transfers OpenSamplerTransfer made for it
// (`Transfer` where the dialog needs the family's own).
template <class Dialog, class Transfer = CABCSamplerTransfer>
void RunTransmitDialog(CInstalledSampler& sampler, const CSliceRenderSet& slices, CABCSamplerTransfer& transfer,
                       CABCPlaybackPause* pause)
{
    Dialog dialog(sampler, slices, dynamic_cast<Transfer&>(transfer), pause);
    dialog.RunModal();
}

template <class Dialog, class Transfer = CABCSamplerTransfer>
std::optional<ReceivedSample> RunReceiveDialog(CInstalledSampler& sampler, CABCSamplerTransfer& transfer,
                                               CABCPlaybackPause* pause)
{
    Dialog dialog(sampler, dynamic_cast<Transfer&>(transfer), pause);
    dialog.RunModal();
    return std::move(dialog.Received());
}

}  // namespace

void ShowTransmitDialog(CInstalledSampler& sampler, const CSliceRenderSet& slices, CABCSamplerTransfer& transfer,
                        CABCPlaybackPause* pause)
{
    const std::string_view family = SamplerFamilyKey(sampler.Type().TypeId());
    if (family == "sds")
        RunTransmitDialog<CSDSTransmitDialog>(sampler, slices, transfer, pause);
    else if (family == "emu")
        RunTransmitDialog<CEMUTransmitDialog>(sampler, slices, transfer, pause);
    else if (family == "akai")
        RunTransmitDialog<CAKAITransmitDialog>(sampler, slices, transfer, pause);
    else if (family == "kurzweil")
        RunTransmitDialog<CK2000TransmitDialog, CK2000Transfer>(sampler, slices, transfer, pause);
    else if (family == "ensoniq")
        RunTransmitDialog<CEnsoniqTransmitDialog>(sampler, slices, transfer, pause);
    else if (family == "yamaha")
        RunTransmitDialog<CYamahaTransmitDialog>(sampler, slices, transfer, pause);
    else if (family == "roland")
        RunTransmitDialog<CS760TransmitDialog, CS760Transfer>(sampler, slices, transfer, pause);
}

std::optional<ReceivedSample> ShowReceiveDialog(CInstalledSampler& sampler, CABCSamplerTransfer& transfer,
                                                CABCPlaybackPause* pause)
{
    const std::string_view family = SamplerFamilyKey(sampler.Type().TypeId());
    if (family == "sds")
        return RunReceiveDialog<CSDSReceiveDialog>(sampler, transfer, pause);
    if (family == "emu")
        return RunReceiveDialog<CEMUReceiveDialog>(sampler, transfer, pause);
    if (family == "akai")
        return RunReceiveDialog<CAKAIReceiveDialog>(sampler, transfer, pause);
    if (family == "kurzweil")
        return RunReceiveDialog<CK2000ReceiveDialog>(sampler, transfer, pause);
    if (family == "ensoniq")
        return RunReceiveDialog<CEnsoniqReceiveDialog, CEnsoniqTransfer>(sampler, transfer, pause);
    if (family == "yamaha")
        return RunReceiveDialog<CYamahaReceiveDialog>(sampler, transfer, pause);
    if (family == "roland")
        return RunReceiveDialog<CS760ReceiveDialog, CS760Transfer>(sampler, transfer, pause);
    return std::nullopt;
}
