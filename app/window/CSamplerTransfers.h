#pragma once
// The window program's transfers with samplers: a sampler's transmit dialog
// on a document window's slices, and Receive, whose sample opens in a new
// document window (the channel chosen first for a stereo one). The ports
// are open only while a dialog is; playback is paused around each transfer.
#include <functional>
#include <memory>

#include "samplers/transfer/CABCPlaybackPause.h"

class CInstalledSampler;
class CMIDIPortLists;
class CSCSIBusTable;
class CSliceRenderSet;
class CSoundSetup;
class WAVE_SAMPLE;

class CSamplerTransfers : private CABCPlaybackPause {
public:
    using OpenWindow = std::function<void(std::unique_ptr<WAVE_SAMPLE>)>;

    CSamplerTransfers(CSoundSetup& sound, const CMIDIPortLists& ports, const CSCSIBusTable& buses)
        : fSound(sound), fPorts(ports), fBuses(buses)
    {
    }

    void Transmit(CInstalledSampler& sampler, const CSliceRenderSet& slices);
    // Alert 90 when the received sample cannot get a window.
    void Receive(CInstalledSampler& sampler, const OpenWindow& openWindow);

private:
    void PausePlayback() override;
    void ResumePlayback() override;

    CSoundSetup& fSound;
    const CMIDIPortLists& fPorts;
    const CSCSIBusTable& fBuses;
};
