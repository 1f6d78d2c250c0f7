#include "samplers/ensoniq/CEnsoniqInstrumentParameters.h"

int CEnsoniqInstrumentParameters::FirstFreeWave() const
{
    for (int wave = 1; wave <= kLastWave; ++wave)
        if (!WaveInUse(wave))
            return wave;
    return 0;
}
