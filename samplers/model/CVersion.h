#pragma once
// A sampler's operating-system version: major, minor (two decimal digits),
// revision and a stage word. Versions compare by major, then minor, then
// revision; 255.00 stands for a version nobody could tell.
#include <cstdint>
#include <string>

class CVersion {
public:
    static constexpr std::uint32_t kStage = 4;

    constexpr CVersion() = default;
    constexpr CVersion(std::uint8_t major, std::uint8_t minor, std::uint8_t revision = 0)
        : fMajor(major), fMinor(minor), fRevision(revision)
    {
    }
    static constexpr CVersion Unknown() { return CVersion(255, 0); }

    std::uint8_t Major() const { return fMajor; }
    std::uint8_t Minor() const { return fMinor; }
    std::uint8_t Revision() const { return fRevision; }
    std::uint32_t Stage() const { return fStage; }
    bool IsUnknown() const { return Key() == Unknown().Key(); }
    // major × 65536 + minor × 256 + revision.
    constexpr std::uint32_t Key() const { return fMajor * 65536u + fMinor * 256u + fRevision; }

    // "V4.40": the version format of the string list (SSTR 129 #47).
    std::string Text() const;

    friend bool operator==(const CVersion& a, const CVersion& b) { return a.Key() == b.Key(); }
    friend auto operator<=>(const CVersion& a, const CVersion& b) { return a.Key() <=> b.Key(); }

private:
    std::uint8_t fMajor = 0;
    std::uint8_t fMinor = 0;
    std::uint8_t fRevision = 0;
    std::uint32_t fStage = kStage;
};
