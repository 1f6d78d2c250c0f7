#include "gui/dialogs/SamplerTransferDialogs.h"

#include <string_view>

#include "gui/dialogs/CEMUReceiveDialog.h"
#include "gui/dialogs/CEMUTransmitDialog.h"
#include "gui/dialogs/CEnsoniqReceiveDialog.h"
#include "gui/dialogs/CEnsoniqTransmitDialog.h"
#include "gui/dialogs/CSDSReceiveDialog.h"
#include "gui/dialogs/CSDSTransmitDialog.h"
#include "samplers/model/CABCSupportedSampler.h"
#include "samplers/model/CInstalledSampler.h"
#include "samplers/model/SamplerFamily.h"

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
    } else if (FamilyOf(sampler) == "ensoniq") {
        CEnsoniqTransmitDialog dialog(sampler, slices, transfer, pause);
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
    if (FamilyOf(sampler) == "ensoniq") {
        CEnsoniqReceiveDialog dialog(sampler, dynamic_cast<CEnsoniqTransfer&>(transfer), pause);
        dialog.RunModal();
        return std::move(dialog.Received());
    }
    return std::nullopt;
}
