#pragma once
// Splits the byte stream of a MIDI input into system-exclusive data and short
// messages. Real-time bytes (F8-FF) become short messages and never enter the
// system-exclusive data. Data bytes outside any message go with the
// system-exclusive data, where the parser skips them; a status byte that cuts
// a system-exclusive message short goes there too, so that message reads as
// malformed. Running status is kept for channel messages.
#include <cstddef>
#include <cstdint>

#include "devices/midi/MIDIEvent.h"

class CMIDIByteSplitter {
public:
    class CABCHandler {
    public:
        virtual ~CABCHandler() = default;
        virtual void OnSysexBytes(const std::uint8_t* bytes, std::size_t count) = 0;
        virtual void OnShortEvent(const MIDIEvent& event) = 0;
    };

    // Hands `bytes` over in arrival order, stamped with `time`.
    void Split(const std::uint8_t* bytes, std::size_t count, std::uint32_t time, CABCHandler& handler);

private:
    void StartShort(std::uint8_t status, std::uint32_t time, CABCHandler& handler);

    bool fInSysex = false;
    std::uint8_t fStatus = 0;  // of the short message being collected, 0 when none
    bool fRunning = false;     // fStatus stays after its message completes
    std::uint8_t fNeeded = 0;
    std::uint8_t fCollected = 0;
    std::uint8_t fData[2] = {};
};
