#pragma once
// Writes a Standard MIDI File: the MThd header and MTrk tracks of events
// with delta times, on the big-endian flat chunk writer.
#include <cstdint>

#include "formats/chunks/CIFFWriter.h"
#include "formats/midi/MIDIHeader.h"

class CMIDIFileWriter : public CIFFWriter {
public:
    // With useRunningStatus, a channel event whose status equals the last
    // one written goes out without its status byte.
    CMIDIFileWriter(CMedia& media, bool useRunningStatus);

    void WriteHeader(const MIDIHeader& header);
    void BeginTrack();
    // Adds the end of track at the last tick unless it was written.
    void EndTrack();

    // Ticks are absolute and must not go backwards within a track; an
    // earlier tick is written with a delta of 0.
    void WriteEvent(std::uint32_t tick, std::uint8_t status, std::uint8_t data1, std::uint8_t data2);
    void WriteMetaEvent(std::uint32_t tick, std::uint8_t type, const std::uint8_t* data, std::uint32_t length);
    // Meta 0x51 with the three low bytes of the value.
    void WriteTempo(std::uint32_t tick, std::uint32_t microsecondsPerQuarter);
    // Meta 0x58: numerator, power of two of the denominator, 24, 8.
    void WriteTimeSignature(std::uint32_t tick, std::uint8_t numerator, std::uint8_t denominator);
    void WriteEndOfTrack(std::uint32_t tick);

    // Most significant 7-bit group first, bit 7 set on all but the last byte.
    void WriteVariableLength(std::uint32_t value);

private:
    void WriteDelta(std::uint32_t tick);

    std::uint32_t lastTick_ = 0;
    std::uint32_t runningStatus_ = 0;
    bool useRunningStatus_ = false;
    bool endOfTrackWritten_ = false;
};
