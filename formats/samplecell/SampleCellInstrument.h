#pragma once
// The SampleCell instrument file (RIFF form SCin): the slice files it plays,
// found beside it by name, each on its own key from key 36 up with the last
// zone reaching to the top of the keyboard, and the sound parameters of a
// template. Every number is little-endian.
#include <cstdint>
#include <string>
#include <vector>

#include "formats/samplecell/SampleCellTemplate.h"

class CMedia;

struct SampleCellInstrument {
    struct Slice {
        std::string fileName;      // with its extension, without the folder: Funky001.wav
        std::uint32_t bytes = 0;   // 16-bit mono sample data
    };
    std::vector<Slice> slices;
    std::uint8_t rootKey = 60;
    std::uint16_t fineTune = 63;
};

// The zone value written when the template gives none.
inline constexpr std::uint16_t kSampleCellDefaultZoneValue = 0;

// The fine tune field for a detuning of -50..50 cents: 63 is in tune, and
// 63 steps span 50 cents either way.
std::uint16_t SampleCellFineTune(std::int32_t cents);

// Writes the instrument from the stream's start: FVER, ANNO, FPTH, KeyS,
// KeyP, GenP, EnvP, LFOP, Ramp, TrkP, ModP. A chunk of odd size is followed
// by a zero pad byte.
void WriteSampleCellInstrument(CMedia& media, const SampleCellInstrument& instrument, const SampleCellTemplate& tmpl);
