#pragma once
// What an open MIDI input hands its data to. The flags say how: short
// messages queued for the user-interface thread, completed system-exclusive
// data handed over there, or either of them at once on the input's own
// delivery thread. The base versions of the handlers do nothing.
#include <cstddef>
#include <cstdint>

#include "devices/midi/MIDIEvent.h"

class CMIDIInput;

class CMIDIInputParser {
public:
    virtual ~CMIDIInputParser() = default;

    // User-interface thread, inside CMIDIInput::Poll.
    virtual void OnShortMessage(CMIDIInput& input, const MIDIEvent& event);
    virtual void OnSysex(CMIDIInput& input, std::uint32_t time, const std::uint8_t* data, std::size_t length);
    // Delivery thread, as the bytes arrive.
    virtual void OnShortMessageNow(CMIDIInput& input, const MIDIEvent& event);
    virtual void OnSysexNow(CMIDIInput& input, std::uint32_t time, const std::uint8_t* data, std::size_t length);

    bool QueuesShortMessages() const { return fQueueShortMessages; }
    bool DeliversSysexLater() const { return fDeliverSysexLater; }
    bool WantsShortNow() const { return fImmediateShort; }
    bool WantsSysexNow() const { return fImmediateSysex; }
    // The input this parser was given to; null before.
    CMIDIInput* Input() const { return fInput; }
    void SetInput(CMIDIInput* input) { fInput = input; }

protected:
    bool fQueueShortMessages = false;
    bool fDeliverSysexLater = false;
    bool fImmediateShort = false;
    bool fImmediateSysex = false;

private:
    CMIDIInput* fInput = nullptr;
};
