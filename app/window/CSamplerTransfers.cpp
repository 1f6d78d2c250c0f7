#include "app/window/CSamplerTransfers.h"

#include <new>

#include "devices/sound/CSoundSetup.h"
#include "framework/alerts/Alerts.h"
#include "framework/exceptions/Exceptions.h"
#include "gui/dialogs/CReceiveChannelDialog.h"
#include "gui/dialogs/SamplerTransferDialogs.h"
#include "samplers/devices/OpenSamplerTransfer.h"
#include "samplers/model/CInstalledSampler.h"
#include "samplers/transfer/CABCSamplerTransfer.h"
#include "sound/CWaveSample.h"
#include "sound/WAVE_SAMPLE.h"

namespace {

// The family's transfers on the sampler's ports; nothing when a port would
// not open (its alert has named it).
std::unique_ptr<CABCSamplerTransfer> Open(const CInstalledSampler& sampler, const CMIDIPortLists& ports,
                                          const CSCSIBusTable& buses)
{
    try {
        return OpenSamplerTransfer(sampler, ports, buses);
    } catch (const XMIDI&) {
        return nullptr;
    }
}

}  // namespace

void CSamplerTransfers::PausePlayback()
{
    fSound.Pause();
}

void CSamplerTransfers::ResumePlayback()
{
    fSound.Resume();
}

void CSamplerTransfers::Transmit(CInstalledSampler& sampler, const CSliceRenderSet& slices)
{
    if (const auto transfer = Open(sampler, fPorts, fBuses))
        ShowTransmitDialog(sampler, slices, *transfer, this);
}

void CSamplerTransfers::Receive(CInstalledSampler& sampler, const OpenWindow& openWindow)
{
    const auto transfer = Open(sampler, fPorts, fBuses);
    if (!transfer)
        return;
    const std::optional<ReceivedSample> received = ShowReceiveDialog(sampler, *transfer, this);
    if (!received)
        return;
    ReceivedChannel channel = ReceivedChannel::kLeft;
    if (received->format.channels > 1) {
        const auto chosen = CReceiveChannelDialog::Ask();
        if (!chosen)
            return;
        channel = *chosen;
    }
    try {
        const std::unique_ptr<CWaveSample> sound = received->MakeSound(channel, sampler.Name().c_str());
        if (!sound->CanBeTakenIntoDocument()) {
            ShowAlert(Res::kAlertNoWindowForReceived);
            return;
        }
        openWindow(sound->MakeDocumentSound());
    } catch (const XOutOfMemory&) {
        ShowAlert(Res::kAlertNoWindowForReceived);
    } catch (const std::bad_alloc&) {
        ShowAlert(Res::kAlertNoWindowForReceived);
    }
}
