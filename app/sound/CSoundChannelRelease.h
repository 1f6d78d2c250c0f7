#pragma once
// Lets other programs use the sound card while this one is in the
// background. Going to the background while nothing plays raises the release
// count; the first release stops playback, notes the card and the channel
// state and closes the channel. Coming back lowers the count only when a
// release raised it, and the last one reopens the same card, asking the user
// (alert 19) when it is taken.
#include <cstdint>

#include "app/sound/CABCSoundChannelHost.h"

class CSoundChannelRelease {
public:
    static constexpr ResourceId kAlertChannelTaken = 500129019;
    static constexpr int kRetry = 33;
    static constexpr int kTryOther = 34;

    explicit CSoundChannelRelease(CABCSoundChannelHost& host) : host_(host) {}

    void Deactivated();
    void Activated();

    int GetCount() const { return count_; }
    std::uint16_t GetSavedCard() const { return savedCard_; }

private:
    void Retake();

    CABCSoundChannelHost& host_;
    int count_ = 0;
    std::uint16_t savedCard_ = CABCSoundChannelHost::kNone;
    std::uint16_t savedState_ = CABCSoundChannelHost::kNone;
};
