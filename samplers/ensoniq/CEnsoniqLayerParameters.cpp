#include "samplers/ensoniq/CEnsoniqLayerParameters.h"

#include <stdexcept>

std::size_t CEnsoniqLayerParameters::KeyWord(int key)
{
    if (key < kLowestKey || key > kHighestKey)
        throw std::out_of_range("key outside the layer's map");
    return kKeyMap + static_cast<std::size_t>(key - kLowestKey);
}

void CEnsoniqLayerParameters::ClearKeyMap()
{
    for (int key = kLowestKey; key <= kHighestKey; ++key)
        SetWaveAt(key, 0);
}

void CEnsoniqLayerParameters::RemoveWave(int wave)
{
    for (int key = kLowestKey; key <= kHighestKey; ++key)
        if (WaveAt(key) == wave)
            SetWaveAt(key, 0);
}

int CEnsoniqLayerParameters::FreeKeyFrom(int key) const
{
    int at = key;
    do {
        if (WaveAt(at) == 0)
            return at;
        at = at == kHighestKey ? kLowestKey : at + 1;
    } while (at != key);
    return key;
}
