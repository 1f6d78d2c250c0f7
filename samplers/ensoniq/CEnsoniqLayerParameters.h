#pragma once
// A layer's parameter block (107 words): the wave sample each of the 88
// keys 21 to 108 plays (words 19 to 106, 0 for none).
#include <cstdint>

#include "samplers/ensoniq/CEnsoniqSysex.h"

class CEnsoniqLayerParameters : public CEnsoniqSysex {
public:
    static constexpr std::size_t kWords = 107;
    static constexpr int kLowestKey = 21;
    static constexpr int kHighestKey = 108;

    CEnsoniqLayerParameters() : CEnsoniqSysex(kWords) {}

    int WaveAt(int key) const { return Byte(KeyWord(key)); }
    void SetWaveAt(int key, int wave) { SetByte(KeyWord(key), static_cast<std::uint8_t>(wave)); }
    void ClearKeyMap();
    // Every key that plays `wave` plays nothing.
    void RemoveWave(int wave);
    // From `key` upward, wrapping from 108 to 21, the first key that plays
    // nothing; `key` itself when every key plays something.
    int FreeKeyFrom(int key) const;

private:
    static constexpr std::size_t kKeyMap = 19;
    static std::size_t KeyWord(int key);
};
