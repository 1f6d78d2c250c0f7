// What an open input hands its parser, and when.
#include <gtest/gtest.h>

#include <array>

#include "tests/devices/midi/LoopbackRig.h"

namespace {

class CShortMessageParser : public CMIDIInputParser {
public:
    CShortMessageParser()
    {
        fQueueShortMessages = true;
        fDeliverSysexLater = true;
    }
    void OnShortMessage(CMIDIInput&, const MIDIEvent& event) override { events.push_back(event); }
    void OnSysex(CMIDIInput&, std::uint32_t, const std::uint8_t* data, std::size_t length) override
    {
        sysex.insert(sysex.end(), data, data + length);
    }

    std::vector<MIDIEvent> events;
    std::vector<std::uint8_t> sysex;
};

}  // namespace

TEST(MIDIInput, ShortMessagesAndDeferredSysexReachTheParserOnPoll)
{
    LoopbackRig rig(false);
    CShortMessageParser parser;
    rig.input.reset();
    rig.input = rig.lists.InputAt(rig.lists.InputCount() - 1).Open(parser);
    // Note on with running status, a clock byte inside a message, a program change.
    const std::vector<std::uint8_t> stream = {0x90, 0x3C, 0x40, 0x3E, 0x41, 0xF0, 0x01, 0xF8, 0x02, 0xF7, 0xC1, 0x05};
    rig.cable->Incoming().SetFaults({.delivery = LoopbackDelivery::kByteByByte});
    rig.cable->SendToProgram(stream.data(), stream.size());
    rig.clock.Sleep(10);
    EXPECT_TRUE(parser.events.empty());
    PollMIDIInputs();
    std::vector<std::array<std::uint8_t, 3>> events;
    for (const MIDIEvent& event : parser.events)
        events.push_back({event.status, event.data1, event.data2});
    EXPECT_EQ(events, (std::vector<std::array<std::uint8_t, 3>>{
                          {0x90, 0x3C, 0x40}, {0x90, 0x3E, 0x41}, {0xF8, 0, 0}, {0xC1, 0x05, 0}}));
    EXPECT_EQ(parser.sysex, (std::vector<std::uint8_t>{0xF0, 0x01, 0x02, 0xF7}));
    rig.input.reset();  // before its parser
}
