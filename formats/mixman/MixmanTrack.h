#pragma once
// The Mixman track file: a header with the tempo, the groove as an embedded
// MIDI note track in absolute time at 480 ticks per quarter note, a name
// block, and every slice as a 44100 Hz 16-bit mono sample in a small WAV
// image, slice i on key i. Little-endian throughout except one length.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CMedia;

struct MixmanTrack {
    static constexpr int kMaxSamples = 128;
    static constexpr std::uint32_t kRate = 44100;
    static constexpr std::uint16_t kTicksPerQuarter = 480;

    std::string name;   // at most 255 characters are written
    double tempo = 120.0;  // beats per minute
    // The note track's events after its header, without the end of track.
    std::vector<std::uint8_t> noteEvents;
    std::uint16_t loopBeats = 4;
    std::vector<std::vector<std::int16_t>> samples;  // machine order
};

// The note track with running status resolved, absolute times for delta
// times and note-offs for note-ons of velocity 0 (written with velocity
// 100); nothing when it holds anything but channel events or ends within
// an event.
std::optional<std::vector<std::uint8_t>> ConvertMixmanNoteTrack(const std::vector<std::uint8_t>& events);

// Writes the track from the stream's start. XBadFormat, before anything
// is written, when the note track cannot be converted.
void WriteMixmanTrack(CMedia& media, const MixmanTrack& track);
