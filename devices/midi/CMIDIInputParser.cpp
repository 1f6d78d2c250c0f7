#include "devices/midi/CMIDIInputParser.h"

void CMIDIInputParser::OnShortMessage(CMIDIInput&, const MIDIEvent&) {}
void CMIDIInputParser::OnSysex(CMIDIInput&, std::uint32_t, const std::uint8_t*, std::size_t) {}
void CMIDIInputParser::OnShortMessageNow(CMIDIInput&, const MIDIEvent&) {}
void CMIDIInputParser::OnSysexNow(CMIDIInput&, std::uint32_t, const std::uint8_t*, std::size_t) {}
