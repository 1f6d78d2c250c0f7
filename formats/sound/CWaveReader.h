#pragma once
// The chunk routines that read a WAV file (outer group RIFF, type WAVE).
#include "formats/chunks/CIFFReader.h"
#include "formats/sound/SoundFileInfo.h"

class CWaveReader : public CIFFReader {
public:
    explicit CWaveReader(CMedia& media);

    // Decodes and judges the fmt chunk and counts the frames of the data
    // chunk (none when it is missing; a data chunk that runs past the end of
    // the file holds what the file holds). XBadFormat for a file that is not
    // RIFF WAVE, a missing or short fmt chunk, no channels, a rate of 0, a
    // sample size outside 8..32 or a block size that does not match;
    // XUnsupportedFormat for a format other than PCM (plain or extensible
    // with a PCM subformat). The stream's position is kept.
    SoundFileInfo ReadInfo();
    // Where the frames lie: the data chunk (size 0 when it is missing).
    SoundData FindSoundData();

private:
    CMedia& media_;
};
