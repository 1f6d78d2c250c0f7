#include "devices/midi/CShortEventQueue.h"

bool CShortEventQueue::TryPush(const MIDIEvent& event)
{
    const CTryLock lock(fBusy);
    if (!lock || fWriteCount - fReadCount >= kCapacity)
        return false;
    fEvents[fWriteCount++ & (kCapacity - 1)] = event;
    return true;
}

std::optional<MIDIEvent> CShortEventQueue::TryPop()
{
    const CTryLock lock(fBusy);
    if (!lock || fReadCount == fWriteCount)
        return std::nullopt;
    return fEvents[fReadCount++ & (kCapacity - 1)];
}
