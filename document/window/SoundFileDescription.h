#pragma once
// What the Open Audio File dialog says about a sound file before it opens.
#include <string>

#include "formats/sound/SoundFileInfo.h"

// The longest file that plays by itself when the dialog opens.
inline constexpr unsigned kAutoPlaySeconds = 30;

// "loop.aif: 16-bit Stereo, 44.1kHz, 2.000 s".
std::string DescribeSoundFile(const std::string& name, const SoundFileInfo& info);
// Whether the file is short enough for Auto Play.
bool AutoPlayAllowed(const SoundFileInfo& info);
