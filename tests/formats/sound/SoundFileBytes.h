#pragma once
// Builds AIFF, AIFF-C and WAV file images byte by byte, so that the tests can
// make any header, broken ones included, without going through our writers.
#include <cstdint>
#include <string>
#include <vector>

struct AIFFImage {
    std::uint16_t channels = 1;
    std::uint32_t frames = 0;
    std::uint16_t bits = 16;
    std::vector<std::uint8_t> rate = {0x40, 0x0E, 0xAC, 0x44, 0, 0, 0, 0, 0, 0};  // 44100
    std::string compression;      // set for an AIFF-C file: "NONE", "sowt", ...
    std::uint32_t ssndOffset = 0;
    bool withSSND = true;
    std::vector<std::int16_t> samples;  // interleaved, written in the file's byte order

    std::vector<std::uint8_t> Bytes() const;
};

struct WAVImage {
    std::uint16_t format = 1;  // 1 PCM, 0xFFFE extensible
    std::uint16_t subformat = 1;
    std::uint16_t channels = 1;
    std::uint32_t rate = 44100;
    std::uint16_t bits = 16;
    std::vector<std::int16_t> samples;  // interleaved

    std::vector<std::uint8_t> Bytes() const;
};
