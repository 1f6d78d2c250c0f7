#pragma once
// A document sound written whole with its slice points as markers that
// other programs read: WAV with a "cue " point and a LIST/adtl label per
// slice and the loop as the smpl loop; AIFF with a MARK marker per slice
// and the loop as the INST sustain loop over markers 1 and 2. Slice markers
// are named "Slice 1", "Slice 2", ...; reading takes back only markers so
// named, so files marked by other programs open as plain sounds.
#include <cstdint>
#include <optional>
#include <vector>

class CFileSpec;
class CMedia;
class WAVE_SAMPLE;

struct SoundMarks {
    std::vector<std::uint32_t> slices; // increasing frames where slices start
    // The loop, from its first frame to one past its last; nothing when the
    // file has none.
    std::optional<std::pair<std::uint32_t, std::uint32_t>> loop;
};

// The sound with the given slice starts and its locators as the loop. The
// file is replaced only when everything was written.
void WriteMarkedWAV(const CFileSpec& file, const WAVE_SAMPLE& sample, const std::vector<std::uint32_t>& slices);
void WriteMarkedAIFF(const CFileSpec& file, const WAVE_SAMPLE& sample, const std::vector<std::uint32_t>& slices);

// The slice markers and loop of an AIFF or WAV file; nothing when it has no
// slice marker. Markers at or past frames, and doubles, are left out.
// XBadFormat for a file that is neither.
std::optional<SoundMarks> ReadSoundMarks(CMedia& stream, std::uint32_t frames);
