#pragma once
// The INFO and pdta lists of a SoundFont 2 bank (RIFF form sfbk) that maps
// one sample per key: one instrument with a zone per sample, each zone on
// its own key, and one preset playing the instrument. Every number is
// little-endian; names are 20 bytes, zero-padded.
#include <cstdint>
#include <string>
#include <vector>

class CIFFWriter2;

// One sample of the bank's smpl chunk and the key it sits on.
struct SoundFontSample {
    std::string name;         // at most 19 bytes are written
    std::uint32_t start = 0;  // first sample point, counted from the start of smpl
    std::uint32_t end = 0;    // the first point after the sample
    std::uint32_t rate = 44100;
    std::uint8_t key = 36;            // the zone's only key
    std::uint8_t originalPitch = 36;  // the key at which the sample plays unchanged
    std::int8_t pitchCorrection = 0;  // cents
};

struct SoundFontInfo {
    std::string name;  // INAM
    std::string creationDate;
    std::string engineer;
    std::string product;
    std::string copyright;
    std::string comment;
};

// Zero sample points written after every sample.
inline constexpr std::uint32_t kSoundFontGuardPoints = 46;

// "Loop" and index 0 give "Loop 1": the bank name cut and blank-padded to 16
// characters, the number from 1 in three columns, runs of blanks collapsed.
std::string SoundFontSampleName(const std::string& bankName, int index);

// LIST INFO: version 2.0, sound engine "EMU8000", then each text that is not
// empty, zero-terminated and padded to an even size.
void WriteSoundFontInfo(CIFFWriter2& writer, const SoundFontInfo& info);
// LIST pdta: the preset and instrument, both named after the bank (19
// characters), and every sample's header.
void WriteSoundFontPresetData(CIFFWriter2& writer, const std::string& bankName,
                              const std::vector<SoundFontSample>& samples);
