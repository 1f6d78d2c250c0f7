#pragma once
// Runs one transfer as every dialog and the batch tool do: playback paused
// around it, and a failure reported by the transfer ladder's alert.
#include <functional>

class CABCPlaybackPause;

// Runs `work` with playback paused (`pause` may be null). An exception ends
// in its alert of the transfer ladder (none for the user's own stop).
// Answers whether `work` finished.
bool RunSamplerTransfer(CABCPlaybackPause* pause, const std::function<void()>& work);
