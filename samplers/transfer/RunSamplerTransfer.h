#pragma once
// Runs one transfer as every dialog and the batch tool do: playback paused
// around it, and a failure reported by the transfer ladder's alert.
#include <functional>

class CABCPlaybackPause;

enum class TransferOutcome {
    kDone,
    kStopped,  // by the user (a Stop, or Cancel at the slice limit): no alert
    kFailed,   // reported by its alert
};

// Runs `work` with playback paused (`pause` may be null). An exception ends
// in its alert of the transfer ladder.
TransferOutcome RunSamplerTransfer(CABCPlaybackPause* pause, const std::function<void()>& work);
