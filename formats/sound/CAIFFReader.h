#pragma once
// The chunk routines that read an AIFF or AIFF-C file (outer group FORM).
#include "formats/chunks/CIFFReader.h"
#include "formats/sound/SoundFileInfo.h"

class CAIFFReader : public CIFFReader {
public:
    explicit CAIFFReader(CMedia& media) : CIFFReader(media, "FORM"), media_(media) {}

    // Decodes and judges the COMM chunk. XBadFormat for a wrong outer group, a
    // missing or invalid COMM chunk (no channels, a negative frame count, a
    // sample size outside 8..32, a rate that is not a whole number of hertz
    // from 1 up to 32 bits), and for compression other than none or
    // little-endian ("sowt"). The stream's position is kept.
    SoundFileInfo ReadInfo();
    // Where the frames lie: inside SSND, past its offset field. XBadFormat
    // when there is no SSND chunk or its offset lies beyond it.
    SoundData FindSoundData();

private:
    CMedia& media_;
    bool littleEndianSamples_ = false;
};
