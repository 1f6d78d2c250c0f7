#pragma once
// The groove MIDI file of a loop: a tempo track with the time signature and
// tempo, and a note track with one note per exported slice on consecutive
// keys, each note lasting as long as its slice.
#include <cstdint>
#include <vector>

class CGrooveMIDIFile {
public:
    static constexpr int kFirstNote = 36;
    // Notes that fit on the keys from kFirstNote up.
    static constexpr int kMaxNotes = 128 - kFirstNote;
    static constexpr std::uint16_t kDivision = 960;

    struct Segment {
        std::int64_t start = 0;  // frames in the loop's sound
        std::int64_t end = 0;
    };

    std::uint8_t numerator = 4;
    std::uint8_t denominator = 4;
    std::uint32_t tempo = 120000;    // thousandths of a beat per minute
    std::int64_t loopTicks = 3840;   // loop length at kDivision per quarter note
    std::int64_t left = 0;           // left locator
    std::int64_t loopFrames = 0;     // right locator minus left locator
    std::vector<Segment> segments;   // at most kMaxNotes are written

    // The whole file. XBadFormat when the loop has no frames.
    std::vector<std::uint8_t> Build() const;

    // Microseconds per quarter note, clamped to the three bytes the tempo
    // event holds (tempos below about 3.6 BPM and 0 give the slowest).
    static std::uint32_t MicrosecondsPerQuarter(std::uint32_t tempo);
    // (frame - left) x loopTicks / loopFrames, truncated toward zero.
    std::uint32_t TickOf(std::int64_t frame) const;
};
