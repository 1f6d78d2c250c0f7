#pragma once
// Builds the one-channel buffer from a file's interleaved frames, shared by
// the AIFF and WAV readers.
#include <memory>

#include "formats/sound/ChannelChoice.h"
#include "formats/sound/SoundFileInfo.h"

class CMedia;
class CWaveSample;

// Reads info.frameCount frames of info.channels channels from data into a new
// buffer named name, keeping the chosen channel (a mono file gives its one
// channel whatever the choice). XUnsupportedFormat unless the samples are
// 16-bit; XBadFormat, before anything is allocated, when the file does not
// hold all the frames it promises.
std::unique_ptr<CWaveSample> ReadSoundFrames(CMedia& media, const SoundFileInfo& info, const SoundData& data,
                                             const char* name, ChannelChoice choice);
