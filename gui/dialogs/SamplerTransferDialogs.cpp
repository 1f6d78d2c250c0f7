#include "gui/dialogs/SamplerTransferDialogs.h"

#include <string_view>

#include "gui/dialogs/CEMUReceiveDialog.h"
#include "gui/dialogs/CEMUTransmitDialog.h"
#include "gui/dialogs/CK2000ReceiveDialog.h"
#include "gui/dialogs/CK2000TransmitDialog.h"
#include "gui/dialogs/CS760ReceiveDialog.h"
#include "gui/dialogs/CS760TransmitDialog.h"
#include "gui/dialogs/CSDSReceiveDialog.h"
#include "gui/dialogs/CSDSTransmitDialog.h"
#include "samplers/kurzweil/CK2000Transfer.h"
#include "samplers/model/CABCSupportedSampler.h"
#include "samplers/model/CInstalledSampler.h"
#include "samplers/model/SamplerFamily.h"
#include "samplers/roland/CS760Transfer.h"

namespace {

std::string_view FamilyOf(const CInstalledSampler& sampler)
{
    return SamplerFamilyKey(sampler.Type().TypeId());
}

}  // namespace

void ShowTransmitDialog(CInstalledSampler& sampler, const CSliceRenderSet& slices, CABCSamplerTransfer& transfer,
                        CABCPlaybackPause* pause)
{
    if (FamilyOf(sampler) == "sds") {
        CSDSTransmitDialog dialog(sampler, slices, transfer, pause);
        dialog.RunModal();
    } else if (FamilyOf(sampler) == "emu") {
        CEMUTransmitDialog dialog(sampler, slices, transfer, pause);
        dialog.RunModal();
    } else if (auto* k2000 = dynamic_cast<CK2000Transfer*>(&transfer)) {
        CK2000TransmitDialog dialog(sampler, slices, *k2000, pause);
        dialog.RunModal();
    } else if (auto* s760 = dynamic_cast<CS760Transfer*>(&transfer)) {
        CS760TransmitDialog dialog(sampler, slices, *s760, pause);
        dialog.RunModal();
    }
}

std::optional<ReceivedSample> ShowReceiveDialog(CInstalledSampler& sampler, CABCSamplerTransfer& transfer,
                                                CABCPlaybackPause* pause)
{
    if (FamilyOf(sampler) == "sds") {
        CSDSReceiveDialog dialog(sampler, transfer, pause);
        dialog.RunModal();
        return std::move(dialog.Received());
    }
    if (FamilyOf(sampler) == "emu") {
        CEMUReceiveDialog dialog(sampler, transfer, pause);
        dialog.RunModal();
        return std::move(dialog.Received());
    }
    if (FamilyOf(sampler) == "kurzweil") {
        CK2000ReceiveDialog dialog(sampler, transfer, pause);
        dialog.RunModal();
        return std::move(dialog.Received());
    }
    if (auto* s760 = dynamic_cast<CS760Transfer*>(&transfer)) {
        CS760ReceiveDialog dialog(sampler, *s760, pause);
        dialog.RunModal();
        return std::move(dialog.Received());
    }
    return std::nullopt;
}
