#pragma once
// The chunk routines that read an AIFF or AIFF-C file (outer group FORM).
#include "formats/chunks/CIFFReader.h"
#include "formats/sound/SoundFileInfo.h"

class CAIFFReader : public CIFFReader {
public:
    explicit CAIFFReader(CMedia& media) : CIFFReader(media, "FORM"), media_(media) { SetOpenEndedChunk("SSND"); }

    // Decodes and judges the COMM chunk. XBadFormat for a wrong outer group, a
    // missing or invalid COMM chunk (no channels, a negative frame count, a
    // sample size outside 8..32, a rate below 1 Hz or beyond 32 bits; the
    // rate is rounded to whole hertz). XUnsupportedFormat for compression
    // other than none or little-endian ("sowt"). The stream's position is kept.
    SoundFileInfo ReadInfo();
    // Where the frames lie: inside SSND, past its offset field; an SSND chunk
    // that runs past the end of the file ends there. XBadFormat when there
    // is no SSND chunk or its offset lies beyond it.
    SoundData FindSoundData();

private:
    CMedia& media_;
    bool littleEndianSamples_ = false;
};
