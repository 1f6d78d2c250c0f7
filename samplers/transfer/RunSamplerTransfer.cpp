#include "samplers/transfer/RunSamplerTransfer.h"

#include "framework/alerts/Alerts.h"
#include "framework/exceptions/CancelExceptions.h"
#include "framework/exceptions/TransferFailureAlert.h"
#include "samplers/transfer/CABCPlaybackPause.h"

TransferOutcome RunSamplerTransfer(CABCPlaybackPause* pause, const std::function<void()>& work)
{
    try {
        const CPlaybackPauseScope paused(pause);
        work();
        return TransferOutcome::kDone;
    } catch (const XSampleTransmitCancelled&) {
        return TransferOutcome::kStopped;
    } catch (...) {
        if (const auto alert = TransferFailureAlert(std::current_exception()))
            ShowAlert(*alert);
        return TransferOutcome::kFailed;
    }
}
