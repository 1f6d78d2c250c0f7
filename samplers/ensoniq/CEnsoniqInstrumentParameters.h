#pragma once
// An instrument's parameter block (323 words): its name, which of its eight
// layers exist (words 45 to 52) and which wave sample numbers are in use
// (word 53 + the number, 1 to 127).
#include "samplers/ensoniq/CEnsoniqSysex.h"

class CEnsoniqInstrumentParameters : public CEnsoniqSysex {
public:
    static constexpr std::size_t kWords = 323;
    static constexpr int kLayers = 8;
    static constexpr int kLastWave = 127;

    CEnsoniqInstrumentParameters() : CEnsoniqSysex(kWords) {}

    bool HasLayer(int layer) const { return fWords.at(kLayerFlags + layer) != 0; }
    void SetLayer(int layer, bool exists) { fWords.at(kLayerFlags + layer) = exists ? kInUse : 0; }
    bool WaveInUse(int wave) const { return fWords.at(kWaveFlags + wave) != 0; }
    void SetWaveInUse(int wave, bool used) { fWords.at(kWaveFlags + wave) = used ? kInUse : 0; }
    // The lowest wave sample number not in use; 0 when all 127 are.
    int FirstFreeWave() const;

private:
    static constexpr std::size_t kLayerFlags = 45;
    static constexpr std::size_t kWaveFlags = 53;
    static constexpr std::uint16_t kInUse = 0x0100;
};
