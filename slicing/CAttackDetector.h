#pragma once
// One pass over a sound that finds its attacks: a tracking level decays in
// quiet passages, and a sample-plus-difference value more than four times the
// quiet floor starts an attack, whose start is searched back to a zero
// crossing or a quiet sample. Each attack's level is its peak against the
// floor before it, 1024 meaning equal.
#include <array>
#include <cstdint>
#include <functional>

class BAT;

class CAttackDetector {
public:
    static constexpr int kMaxAttacks = 997;

    struct Attack {
        std::uint32_t position = 0;
        std::int16_t level = 0;
    };

    // Called after each page with the frames done so far; false stops the scan.
    using Progress = std::function<bool(std::uint32_t done, std::uint32_t total)>;

    // Scans the first frames samples of store. False when progress stopped it.
    bool Run(const BAT& store, std::uint32_t frames, const Progress& progress = {});

    // The attacks found, in order of detection, at most kMaxAttacks.
    int Count() const { return count_; }
    const Attack& At(int k) const { return records_[static_cast<std::size_t>(k) + 1]; }

private:
    // The scan's working state, kept in locals while frames are stepped.
    struct State;

    void Reset();
    std::uint32_t BackSearch(const BAT& store, std::uint32_t i) const;
    void CloseRecord(std::int16_t peak, std::int16_t startFloor);

    // records_[0] stands for the start of the sound.
    std::array<Attack, kMaxAttacks + 1> records_{};
    int count_ = 0;
};
