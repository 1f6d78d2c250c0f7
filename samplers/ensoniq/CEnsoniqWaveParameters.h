#pragma once
// A wave sample's parameter block (139 words): its name, root key (word
// 12), fine tune in cents (word 13, a signed byte), loop mode (word 14: 0
// off, 1 forward, 2 alternating), sample rate (words 16 and 17, high and low
// 16 bits) and four sample addresses of four words each: sample start (word
// 115), sample end (119, one past the last frame), loop start (123) and loop
// end (127).
#include <cstdint>

#include "samplers/ensoniq/CEnsoniqSysex.h"
#include "samplers/transfer/SampleFormat.h"

class CEnsoniqWaveParameters : public CEnsoniqSysex {
public:
    static constexpr std::size_t kWords = 139;
    enum Address : std::size_t { kSampleStart = 115, kSampleEnd = 119, kLoopStart = 123, kLoopEnd = 127 };

    CEnsoniqWaveParameters() : CEnsoniqSysex(kWords) {}

    std::uint32_t AddressOf(Address which) const { return Ensoniq::DecodeAddress(&fWords.at(which)); }
    void SetAddress(Address which, std::uint32_t address);
    std::uint32_t Frames() const;

    // Takes name, root key, fine tune, rate, length (from start 0) and the
    // sustain loop of a format the interface has adjusted.
    void Describe(const SampleFormat& format);
    // The format of the wave sample's frames, of `bits` bits.
    SampleFormat Format(std::uint8_t bits) const;

private:
    static constexpr std::size_t kRootKey = 12;
    static constexpr std::size_t kFineTune = 13;
    static constexpr std::size_t kLoopMode = 14;
    static constexpr std::size_t kRateHigh = 16;
    static constexpr std::size_t kRateLow = 17;
};
