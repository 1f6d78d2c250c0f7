#pragma once
// The open path for sound files that the window program and the batch tool
// share: recognises AIFF (AIFF-C) and WAV by their first bytes, applies the
// load limits before anything large is allocated, and reads one channel.
#include <cstdint>
#include <exception>
#include <memory>
#include <string>

#include "formats/sound/ChannelChoice.h"
#include "formats/sound/SoundFileInfo.h"
#include "resources/CaravelResources.h"

class CMedia;
class WAVE_SAMPLE;

// The longest sound a document takes: five minutes at the sound's rate.
constexpr std::uint64_t kMaxSoundSeconds = 5 * 60;
// The sample rates a document takes.
constexpr std::uint32_t kMinSoundRate = 1000;
constexpr std::uint32_t kMaxSoundRate = 768000;

// The header of an AIFF or WAV file, its frame count cut to the whole frames
// the file holds. XBadFormat for any other file; XUnsupportedFormat for an
// AIFF or WAV encoding other than integer PCM.
SoundFileInfo ReadSoundFileInfo(CMedia& stream);
// The same from a file; XFileNotFound when there is no such file,
// XCreateFailed (with the system's reason) when it cannot be opened.
SoundFileInfo ReadSoundFileInfo(const std::string& path);

// Judges a header against the load limits: XTooManyChannels beyond two
// channels, XUnsupportedFormat for any sample size but 16, XUnsupportedRate
// outside kMinSoundRate..kMaxSoundRate, XBadFormat for a sound without a
// whole frame, XSoundTooLong beyond five minutes, XOutOfMemory beyond what a
// document sound can hold.
void CheckSoundFileLimits(const SoundFileInfo& info);

// Reads an AIFF or WAV sound from stream under the limits above, keeping the
// chosen channel of a stereo file, straight into a document sound.
std::unique_ptr<WAVE_SAMPLE> OpenSoundMedia(CMedia& stream, const char* name, ChannelChoice channel);
// The same from a file; the sound is named by the file's name. XFileNotFound
// when there is no such file, XCreateFailed (with the system's reason) when
// it cannot be opened: a folder, no permission.
std::unique_ptr<WAVE_SAMPLE> OpenSoundFile(const std::string& path, ChannelChoice channel);

// The alert that tells the user why a sound file did not open. The
// corrupt-file alert takes the file's name as its argument ^0.
ResourceId SoundFileAlert(const std::exception_ptr& failure);
