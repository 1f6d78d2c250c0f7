#pragma once
// Turns interleaved 8- or 16-bit frames into mono 16-bit samples.
#include <cstdint>

class CMedia;

// Channel choice that takes the mean of the first two channels.
inline constexpr int kMixChannels = -1;

// Reads frames interleaved frames of channels channels with bytesPerSample
// bytes (1 or 2) from source and writes one 16-bit sample per frame to
// destination, which holds frames samples: the chosen channel (or
// kMixChannels), 8-bit samples shifted left by 8, 16-bit ones optionally
// byte-swapped first (big-endian sources). Mono 16-bit sources are read
// straight into destination, others in 256 KB pieces. XUnsupportedFormat
// for a layout it cannot take.
void ExtractChannel(CMedia& source, std::uint32_t frames, int channels, int bytesPerSample, int channel,
                    bool swapBytes, std::int16_t* destination);
