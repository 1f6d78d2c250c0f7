#pragma once
// Builds the one-channel sound from a file's interleaved frames, shared by
// the AIFF and WAV readers and the open path.
#include <cstdint>
#include <memory>

#include "formats/sound/ChannelChoice.h"
#include "formats/sound/SoundFileInfo.h"

class CMedia;
class CWaveSample;
class WAVE_SAMPLE;

// The frames the file really holds: the header's count, cut to the whole
// frames that lie in the sound data and in the stream (a file cut short, or
// one from a writer that could not go back to fill in its sizes).
std::uint32_t FramesHeld(CMedia& media, const SoundFileInfo& info, const SoundData& data);

// Reads info.frameCount frames of info.channels channels from data into a new
// flat buffer named name, keeping the chosen channel (a mono file gives its
// one channel whatever the choice). XUnsupportedFormat unless the samples are
// 16-bit; XBadFormat, before anything is allocated, when the file does not
// hold that many frames.
std::unique_ptr<CWaveSample> ReadSoundFrames(CMedia& media, const SoundFileInfo& info, const SoundData& data,
                                             const char* name, ChannelChoice choice);
// The same straight into the pages of a document sound, piece by piece,
// without a whole-sound buffer in between.
std::unique_ptr<WAVE_SAMPLE> ReadDocumentSoundFrames(CMedia& media, const SoundFileInfo& info,
                                                     const SoundData& data, const char* name, ChannelChoice choice);
