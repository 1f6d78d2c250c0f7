#pragma once
// What the application's sound output needs from the application: alerts,
// stopping the wave player, and telling the player which channel feeds it.
#include <string>

#include "resources/CaravelResources.h"

class CSoundChannel;

class CABCSoundSetupHost {
public:
    virtual ~CABCSoundSetupHost() = default;

    // Shows an alert with `parameter` as ^0; answers the button's code.
    virtual int ShowAlert(ResourceId alert, const std::string& parameter) = 0;
    virtual void StopPlayback() = 0;
    // The channel now open (nullptr: none). Called before a channel is freed.
    virtual void ChannelChanged(CSoundChannel* channel) = 0;
};
