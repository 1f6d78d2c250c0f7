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
    // Ticks per quarter note of the loop length, and of the file by default.
    static constexpr std::uint16_t kDivision = 960;

    struct Segment {
        std::int64_t start = 0;  // frames in the loop's sound
        std::int64_t end = 0;
    };

    std::uint8_t numerator = 4;
    std::uint8_t denominator = 4;
    std::uint32_t tempo = 120000;    // thousandths of a beat per minute
    std::int64_t loopTicks = 3840;   // loop length at kDivision per quarter note
    int firstNote = kFirstNote;      // the key of the first slice
    std::uint16_t division = kDivision;  // ticks per quarter note in the file
    std::int64_t left = 0;           // left locator
    std::int64_t loopFrames = 0;     // right locator minus left locator
    std::vector<Segment> segments;   // at most 128 - firstNote are written

    // The whole file. XBadFormat when the loop has no frames.
    std::vector<std::uint8_t> Build() const;

    // Microseconds per quarter note, clamped to the three bytes the tempo
    // event holds (tempos below about 3.6 BPM and 0 give the slowest).
    static std::uint32_t MicrosecondsPerQuarter(std::uint32_t tempo);
    // (frame - left) x loopTicks / loopFrames at the file's division,
    // truncated toward zero.
    std::uint32_t TickOf(std::int64_t frame) const;
};
