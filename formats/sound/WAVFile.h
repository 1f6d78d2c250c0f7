#pragma once
// WAV sound files: writing a document sound (mono) and reading a 16-bit PCM
// file (plain or extensible) into a one-channel buffer.
#include <memory>

#include "formats/sound/ChannelChoice.h"
#include "formats/sound/SoundFileInfo.h"

class CFileSpec;
class CMedia;
class CWaveSample;
class WAVE_SAMPLE;

// Writes RIFF WAVE with fmt and data (no data chunk for a sound without
// frames). The file is replaced only when everything was written; on failure
// the old file stays and the exception passes on. The sample is not changed.
void WriteWAV(const CFileSpec& file, const WAVE_SAMPLE& sample);
// The same file written into stream from its position, for callers that
// save it themselves.
void WriteWAV(CMedia& stream, const WAVE_SAMPLE& sample);

// Fills info from the fmt and data chunks; the stream's position is kept.
// XBadFormat for a file that is not a PCM RIFF WAVE file.
void ReadWAVInfo(CMedia& stream, SoundFileInfo& info);
// A new buffer named name holding the file's sound, one channel of it for a
// stereo file. XUnsupportedFormat for a sample size other than 16;
// XBadFormat for a broken file.
std::unique_ptr<CWaveSample> ReadWAV(CMedia& stream, const char* name, ChannelChoice channel = ChannelChoice::Left);
