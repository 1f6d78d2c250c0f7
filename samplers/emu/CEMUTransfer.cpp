#include "samplers/emu/CEMUTransfer.h"

#include <algorithm>

#include "framework/alerts/Alerts.h"
#include "framework/exceptions/GeneralExceptions.h"
#include "framework/progress/CLengthyOperation.h"
#include "samplers/smdi/CSMDIReceiver.h"
#include "samplers/smdi/CSMDITransmitter.h"
#include "samplers/transfer/LimitSlices.h"
#include "samplers/transfer/SliceNames.h"
#include "samplers/transfer/TransferLoops.h"
#include "slicing/CSliceRenderSet.h"
#include "sound/WAVE_SAMPLE.h"

namespace {

bool IsSampleNumber(std::uint32_t number)
{
    return number >= CEMUSCSIInterface::kFirstSample && number <= CEMUSCSIInterface::kLastSample;
}

}  // namespace

std::string CEMUTransfer::SampleName(const std::string& base, int index, int count)
{
    const std::string name = base.empty() ? kDefaultName : base;
    if (count == 1)
        return name.substr(0, kNameLength);
    return CollapseBlanks(SliceSampleName(name, index, kNameLength));
}

void CEMUTransfer::Transmit(const CSliceRenderSet& slices, const TransmitRequest& request, CLengthyOperation& progress)
{
    if (!IsSampleNumber(request.firstSampleNumber))
        throw XInternalError();
    const int room = static_cast<int>(LastSampleNumber() - request.firstSampleNumber + 1);
    const int count = LimitSlices(slices.Count(), std::min(SliceLimit(), room));
    progress.SetTitle(Res::kStringSlicesLeft);
    int sent = 0;
    try {
        for (; sent < count; ++sent) {
            const std::unique_ptr<WAVE_SAMPLE> sound = slices.Render(sent);
            SampleFormat format = SliceFormat(*sound);
            format.name = SampleName(request.sampleName, sent, count);
            fInterface.AdjustFormat(format);
            const std::unique_ptr<CSMDITransmitter> transmitter =
                fInterface.MakeTransmitter(request.firstSampleNumber + static_cast<std::uint32_t>(sent));
            transmitter->Begin(format);
            SendFrames(*transmitter, *sound, CSMDITransmitter::kMaxPacketFrames, progress, count - sent);
        }
    } catch (...) {
        if (sent > 0)
            ShowAlert(Res::kAlertEMUIncomplete);
        throw;
    }
}

ReceivedSample CEMUTransfer::Receive(const ReceiveRequest& request, CLengthyOperation& progress)
{
    if (!IsSampleNumber(request.sampleNumber))
        throw XInternalError();
    progress.SetTitle(Res::kStringReceivingSample);
    const std::unique_ptr<CSMDIReceiver> receiver = fInterface.MakeReceiver(request.sampleNumber, kReceivePacketFrames);
    return ReceiveFrames(*receiver, progress);
}
