#pragma once
// The slice table of an SLX file: a 13016-byte record carried in its APPL
// chunk behind the signature "SLX ".
#include <cstddef>
#include <cstdint>
#include <vector>

struct CSLXSliceEntry {
    std::uint32_t sampleOffset = 0;  // 16-bit values from the start of the sound data
    std::uint32_t length = 0;        // rendered frames
    std::uint32_t position = 0;      // ticks from the left locator
};

class CSLXRecord {
public:
    static constexpr std::size_t kSize = 13016;
    static constexpr char kSignature[5] = "SLX ";
    static constexpr std::uint32_t kMagic = 0xD1D1D1DA;
    static constexpr std::size_t kMaxSlices = 1000;
    static constexpr std::uint32_t kHighestTempo = 999999;

    std::uint32_t loopTicks = 0;
    std::uint32_t tempo = 0;  // thousandths of a beat per minute, 0 when unknown
    std::vector<CSLXSliceEntry> slices;  // at most kMaxSlices are written

    // Writes the kSize bytes of the record.
    void Encode(std::uint8_t* out) const;

    // The tempo to store: a tempo at the highest shown value is checked
    // against the loop itself and stored as 0 when the loop is faster.
    static std::uint32_t StoredTempo(std::uint32_t tempo, std::uint32_t sampleRate, std::int64_t loopTicks,
                                     std::int64_t loopFrames);
};
