#pragma once
// Synthesizes drum loops with exactly known hit positions: a kick from a
// falling sine sweep, a snare from two tones and band-passed noise, closed and
// open hats from high-passed noise. The noise comes from a fixed seed, so the
// same request always gives the same samples.
#include <cstdint>
#include <string>
#include <vector>

enum class DrumVoice { Kick, Snare, ClosedHat, OpenHat };

struct DrumHit {
    std::uint32_t frame = 0;  // first frame of the hit's sound
    DrumVoice voice = DrumVoice::Kick;
    float velocity = 1.0f;    // 0..1
};

// A stereo loop: left and right hold the same number of frames.
struct DrumLoop {
    std::uint32_t rate = 0;
    std::vector<std::int16_t> left;
    std::vector<std::int16_t> right;
    std::vector<DrumHit> hits;  // in order of frame

    std::uint32_t Frames() const { return static_cast<std::uint32_t>(left.size()); }
    // Left and right interleaved, as a stereo file stores them.
    std::vector<std::int16_t> Interleaved() const;
    // The mean of both channels, rounded down.
    std::vector<std::int16_t> Mono() const;
};

// One bar of a pattern on a grid of sixteenth notes: one string per voice,
// 'X' an accented hit, 'x' a normal one, 'o' a soft (ghost) one, anything else a rest.
struct DrumPatternBar {
    std::string kick;
    std::string snare;
    std::string closedHat;
    std::string openHat;
};

class CDrumLoopSynthesizer {
public:
    explicit CDrumLoopSynthesizer(std::uint32_t rate, std::uint32_t seed = 0x51CE5EEDu);

    // Renders hits into a loop of the given length. Hits at or beyond the end are dropped.
    DrumLoop Render(std::vector<DrumHit> hits, std::uint32_t frames) const;

    // Renders the bars one after the other at the tempo (sixteenths on a grid
    // rounded to whole frames); the loop is exactly bars x 4 beats long.
    DrumLoop RenderPattern(const std::vector<DrumPatternBar>& bars, double bpm) const;

    // The two bars of 4/4 that the program offers as its demo loop.
    static std::vector<DrumPatternBar> DemoPattern();

private:
    // Adds one hit's sound; from frame choke on it fades out quickly.
    void AddVoice(const DrumHit& hit, std::uint32_t hitIndex, std::uint32_t choke, std::vector<float>& left,
                  std::vector<float>& right) const;

    std::uint32_t rate_;
    std::uint32_t seed_;
};
