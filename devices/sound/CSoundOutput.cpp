#include "devices/sound/CSoundOutput.h"

#include "devices/sound/CStopSignal.h"

bool CSoundOutput::Pace(std::uint32_t milliseconds, CStopSignal& stop)
{
    return !stop.WaitFor(milliseconds);
}
