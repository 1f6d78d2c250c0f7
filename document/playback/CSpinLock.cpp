#include "document/playback/CSpinLock.h"

#include "framework/time/CClock.h"

void CSpinLock::Lock()
{
    while (!TryLock())
        CClock::Current().Sleep(2);
}
