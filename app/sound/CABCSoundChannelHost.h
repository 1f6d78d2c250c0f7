#pragma once
// What the sound-channel release works on: the wave player, the open sound
// channel with its card, and the document windows that show the sound setup.
#include <cstdint>

#include "resources/CaravelResources.h"

class CABCSoundChannelHost {
public:
    static constexpr std::uint16_t kNone = 65535;

    virtual ~CABCSoundChannelHost() = default;

    virtual bool IsSoundAvailable() = 0;
    virtual void DisableSound() = 0;
    virtual bool IsPlaying() = 0;
    virtual void StopPlayback() = 0;
    virtual std::uint16_t GetCardIndex() = 0;
    virtual std::uint16_t GetChannelState() = 0;
    virtual void CloseChannel() = 0;
    // Opens the card with the channel state; false when it cannot be had.
    virtual bool OpenChannel(std::uint16_t card, std::uint16_t state) = 0;
    // The card to try instead of `card`: the next one in the list, wrapping
    // round (so the same card when it is the only one), or kNone without cards.
    virtual std::uint16_t GetOtherCard(std::uint16_t card) = 0;
    // Each window's sound-change operations, in turn over all windows.
    virtual void TellWindowsSoundChanged() = 0;
    virtual int ShowAlert(ResourceId alert) = 0;
};
