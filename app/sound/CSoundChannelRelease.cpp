#include "app/sound/CSoundChannelRelease.h"

void CSoundChannelRelease::Deactivated()
{
    if (!host_.IsSoundAvailable() || host_.IsPlaying())
        return;
    if (count_++ > 0)
        return;
    host_.StopPlayback();
    savedCard_ = host_.GetCardIndex();
    savedState_ = host_.GetChannelState();
    host_.CloseChannel();
    host_.TellWindowsSoundChanged();
}

void CSoundChannelRelease::Activated()
{
    // A return that no release counted (sound was playing) changes nothing.
    if (count_ == 0)
        return;
    if (--count_ == 0)
        Retake();
}

void CSoundChannelRelease::Retake()
{
    std::uint16_t card = savedCard_;
    while (!host_.OpenChannel(card, savedState_)) {
        const int answer = host_.ShowAlert(kAlertChannelTaken);
        if (answer == kTryOther) {
            card = host_.GetOtherCard(card);
        } else if (answer != kRetry) {
            host_.DisableSound();
            break;
        }
    }
    savedCard_ = CABCSoundChannelHost::kNone;
    savedState_ = CABCSoundChannelHost::kNone;
    host_.TellWindowsSoundChanged();
}
