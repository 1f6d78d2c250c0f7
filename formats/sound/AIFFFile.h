#pragma once
// AIFF sound files: writing a document sound (mono), writing an interleaved
// stereo sound, and reading a file into a one-channel buffer.
#include <cstdint>
#include <memory>
#include <vector>

#include "formats/sound/CAIFFWriter.h"
#include "formats/sound/ChannelChoice.h"
#include "formats/sound/SoundFileInfo.h"

class CFileSpec;
class CMedia;
class CWaveSample;
class WAVE_SAMPLE;

// Writes FORM AIFF with COMM, SSND, INST and MARK (the loop range as markers
// 1 and 2). The file is replaced only when everything was written; on failure
// the old file stays and the exception passes on. The sample is not changed.
void WriteAIFF(const CFileSpec& file, const WAVE_SAMPLE& sample);
// The same file written into stream from its position, for callers that
// save it themselves.
void WriteAIFF(CMedia& stream, const WAVE_SAMPLE& sample);
// The same with an APPL chunk: the 4-character signature, then size bytes of data.
void WriteAIFF(const CFileSpec& file, const WAVE_SAMPLE& sample, const char* signature, const void* data,
               std::int64_t size);
// The same with markers beyond the loop's (identifiers from 3 on), the loop
// then playing forward as the INST sustain loop.
void WriteAIFF(const CFileSpec& file, const WAVE_SAMPLE& sample, const std::vector<AIFFMarker>& markers);
// Writes FORM AIFF with COMM and SSND of interleaved stereo frames (left, right).
void WriteStereoAIFF(const CFileSpec& file, std::uint32_t rate, const std::vector<std::int16_t>& interleaved);

// Fills info from the COMM chunk; the stream's position is kept.
// XBadFormat for a file that is not FORM or has no valid COMM chunk.
void ReadAIFFInfo(CMedia& stream, SoundFileInfo& info);
// A new buffer named name holding the file's sound, one channel of it for a
// stereo file (the left one unless chosen otherwise). XUnsupportedFormat for
// a sample size other than 16; XBadFormat for a broken file.
std::unique_ptr<CWaveSample> ReadAIFF(CMedia& stream, const char* name,
                                      ChannelChoice channel = ChannelChoice::Left);
