#pragma once
// A small SoundFont 2 reader for the tests, written from the published
// SoundFont 2.01 layout and sharing no code with the writer: it walks the
// RIFF chunks itself and lists the bank's samples, the instrument's zones
// (key range and sample) and the preset names. Any layout fault is a
// std::runtime_error naming what is wrong.
#include <cstdint>
#include <string>
#include <vector>

struct SoundFontBankContents {
    struct Sample {
        std::string name;
        std::uint32_t start, end, loopStart, loopEnd, rate;
        std::uint8_t originalPitch;
        std::int8_t pitchCorrection;
        std::uint16_t link, type;
    };
    struct Zone {
        int lowKey = -1, highKey = -1, sample = -1;
        int generators = 0;
    };
    std::string bankName;                  // INAM
    std::vector<std::string> presets;      // without the terminal record
    std::vector<std::string> instruments;  // without the terminal record
    std::vector<Zone> zones;               // of the first instrument
    std::vector<Sample> samples;           // without the terminal record
    std::vector<std::int16_t> points;      // the smpl chunk
};

SoundFontBankContents ReadSoundFontBank(const std::vector<std::uint8_t>& file);
