#pragma once
// The chunk routines of an AIFF file (big-endian) on top of the flat writer.
#include <cstdint>
#include <string>
#include <vector>

#include "formats/chunks/CIFFWriter.h"

struct AIFFMarker {
    std::uint16_t id;
    std::uint32_t position;
    std::string name; // at most 255 characters
};

class CAIFFWriter : public CIFFWriter {
public:
    explicit CAIFFWriter(CMedia& media) : CIFFWriter(media) {}

    // COMM: channels, sample frames, sample size 16, the rate as an 80-bit extended number.
    void WriteCOMM(std::uint16_t channels, std::uint32_t frames, std::uint32_t rate);
    // SSND: begins the chunk with offset 0 and block size 0; the samples
    // follow through WriteSamples, then EndChunk.
    void BeginSSND();
    // Writes samples (machine order in memory) as 16-bit big-endian values;
    // the samples in memory are not changed.
    void WriteSamples(const std::int16_t* samples, std::int64_t count);
    // INST: base note and detune (60 and 0 without pitch information), the
    // full key and velocity range; the sustain loop over markers 1-2 and the
    // release loop over markers 3-4 do not play unless sustainLoop (forward).
    void WriteINST(bool hasPitch, std::uint8_t baseNote, std::int8_t detune, bool sustainLoop = false);
    // MARK: marker 1 "Loop start" and marker 2 "Loop end" at the given frames.
    void WriteMARK(std::int32_t loopStart, std::int32_t loopEnd);
    // MARK with the given markers in this order.
    void WriteMARK(const std::vector<AIFFMarker>& markers);
    // APPL: the 4-character signature, then size bytes of data.
    void WriteAPPL(const char* signature, const void* data, std::int64_t size);
};
