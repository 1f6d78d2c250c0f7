#include "samplers/sds/CSDSTransfer.h"

#include <algorithm>

#include "framework/exceptions/GeneralExceptions.h"
#include "framework/progress/CLengthyOperation.h"
#include "samplers/devices/CSamplerMIDIConnection.h"
#include "samplers/sds/CSDSReceiver.h"
#include "samplers/sds/CSDSTransmitter.h"
#include "samplers/transfer/LimitSlices.h"
#include "samplers/transfer/TransferLoops.h"
#include "slicing/CSliceRenderSet.h"
#include "sound/WAVE_SAMPLE.h"

namespace {

constexpr std::uint32_t kChunkFrames = 8192;

}  // namespace

CSDSTransfer::CSDSTransfer(std::unique_ptr<CSamplerMIDIConnection> connection) : fConnection(std::move(connection))
{
}

CSDSTransfer::~CSDSTransfer() = default;

std::uint32_t CSDSTransfer::LastSampleNumber() const
{
    return SDS::kLastSampleNumber;
}

void CSDSTransfer::Transmit(const CSliceRenderSet& slices, const TransmitRequest& request, CLengthyOperation& progress)
{
    if (request.firstSampleNumber > LastSampleNumber())
        throw XInternalError();
    const int room = static_cast<int>(LastSampleNumber() - request.firstSampleNumber + 1);
    const int count = LimitSlices(slices.Count(), std::min(SliceLimit(), room));
    progress.SetTitle(Res::kStringSlicesLeft);
    for (int k = 0; k < count; ++k) {
        const std::unique_ptr<WAVE_SAMPLE> sound = slices.Render(k);
        const auto number = static_cast<std::uint16_t>(request.firstSampleNumber + static_cast<std::uint32_t>(k));
        CSDSTransmitter transmitter(fConnection->Parser(), fConnection->Output(), request.sysexId, number,
                                    kReplyTimeout);
        transmitter.Begin(SliceFormat(*sound));
        SendFrames(transmitter, *sound, kChunkFrames, progress, count - k);
    }
}

ReceivedSample CSDSTransfer::Receive(const ReceiveRequest& request, CLengthyOperation& progress)
{
    if (request.sampleNumber > LastSampleNumber())
        throw XInternalError();
    progress.SetTitle(Res::kStringReceivingSample);
    CSDSReceiver receiver(fConnection->Parser(), fConnection->Output(), request.sysexId,
                          static_cast<std::uint16_t>(request.sampleNumber), kReplyTimeout);
    return ReceiveFrames(receiver, progress);
}
