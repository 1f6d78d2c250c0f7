#pragma once
// The writer of SoundFont 2 banks: the nesting RIFF writer under a name of
// its own.
#include "formats/chunks/CRIFFWriter2.h"

class CSoundFontFileWriter : public CRIFFWriter2 {
public:
    using CRIFFWriter2::CRIFFWriter2;
};
