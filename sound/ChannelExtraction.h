#pragma once
// Turns interleaved 8- or 16-bit frames into mono 16-bit samples.
#include <cstdint>
#include <vector>

class CMedia;

// Channel choice that takes the mean of the first two channels.
inline constexpr int kMixChannels = -1;

// Reads interleaved frames of channels channels with bytesPerSample bytes
// (1 or 2) and writes one 16-bit sample per frame: the chosen channel (or
// kMixChannels), 8-bit samples shifted left by 8, 16-bit ones optionally
// byte-swapped first (big-endian sources). Mono 16-bit sources are read
// straight into the destination, others through one piece of at most 256 KB
// that the reader keeps between calls, so that a sound can be read piece
// after piece into pages.
class CChannelReader {
public:
    // XUnsupportedFormat for a layout it cannot take.
    CChannelReader(int channels, int bytesPerSample, int channel, bool swapBytes);

    // Reads frames frames from the source's position into destination.
    void Read(CMedia& source, std::uint32_t frames, std::int16_t* destination);

private:
    int channels_;
    int bytesPerSample_;
    int channel_;
    bool swapBytes_;
    std::vector<std::int16_t> piece_;
};

// One CChannelReader over frames frames.
void ExtractChannel(CMedia& source, std::uint32_t frames, int channels, int bytesPerSample, int channel,
                    bool swapBytes, std::int16_t* destination);
