#pragma once
// The S-760's partial and patch blocks as the program builds them. A
// partial is two 128-byte halves: the first holds the name and four sample
// zones of 11 bytes (each beginning with its sample number, 65535 for
// none), the second is carried over unchanged. A patch is 256 bytes: name,
// coarse and fine tune, and for each of the keys 21-108 a partial number
// (FF for none) and a second byte that goes with it. Every other byte is a
// setting carried over from the template.
#include <array>
#include <cstdint>
#include <string>

namespace S760 {

inline constexpr std::size_t kPartialHalfBytes = 128;
inline constexpr std::size_t kPatchBytes = 256;
inline constexpr int kZones = 4;
inline constexpr std::uint16_t kNoSample = 0xFFFF;
inline constexpr int kKeys = 88;
inline constexpr int kLowestKey = 21;
inline constexpr std::uint8_t kNoPartial = 0xFF;

struct Partial {
    std::array<std::uint8_t, kPartialHalfBytes> first{};
    std::array<std::uint8_t, kPartialHalfBytes> second{};

    // A partial with no samples, named `name` (an empty slot when cleared).
    static Partial Default(bool cleared = false);
    bool IsEmpty() const;
    std::string Name() const;
    void SetName(const std::string& name);
    std::uint16_t ZoneSample(int zone) const;
    void SetZoneSample(int zone, std::uint16_t sample);
};

// What a key of a patch plays.
struct KeyEntry {
    std::uint8_t partial = kNoPartial;
    std::uint8_t extra = 0;
};

struct Patch {
    std::array<std::uint8_t, kPatchBytes> bytes{};

    // A patch named "   :" with no key used.
    static Patch Default();
    bool IsEmpty() const;
    std::string Name() const;
    void SetName(const std::string& name);
    std::int8_t CoarseTune() const;
    std::int8_t FineTune() const;
    void SetTune(int coarse, int fine);
    // Key positions 0-87 stand for keys 21-108.
    KeyEntry Key(int position) const;
    void SetKey(int position, KeyEntry entry);
    void ClearKeys();
};

}  // namespace S760
