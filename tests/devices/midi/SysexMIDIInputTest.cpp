// The system-exclusive ring: what is skipped, what is kept whole, and what
// happens when the writer would lap the reader.
#include <gtest/gtest.h>

#include "framework/exceptions/Exceptions.h"
#include "tests/devices/midi/LoopbackRig.h"

namespace {

class SysexMIDIInputTest : public testing::Test {
protected:
    void Put(const std::vector<std::uint8_t>& bytes) { rig.parser.OnSysexNow(*rig.input, 0, bytes.data(), bytes.size()); }
    // A message of `length` bytes with `fill` between F0 and F7.
    static std::vector<std::uint8_t> Message(std::size_t length, std::uint8_t fill)
    {
        std::vector<std::uint8_t> message(length, fill);
        message.front() = 0xF0;
        message.back() = 0xF7;
        return message;
    }
    std::vector<std::uint8_t> Next()
    {
        const auto message = rig.parser.NextMessage();
        return message ? message->Bytes() : std::vector<std::uint8_t>{};
    }

    LoopbackRig rig{false};
};

}  // namespace

TEST_F(SysexMIDIInputTest, SkipsJunkAndRestartsAtANewStart)
{
    Put({0x12, 0xF7, 0x40, 0xF0, 0x01, 0x02, 0xF0, 0x47, 0x00, 0x06, 0xF7});
    EXPECT_EQ(Next(), (std::vector<std::uint8_t>{0xF0, 0x47, 0x00, 0x06, 0xF7}));
    Put({0xF0, 0x01, 0x90, 0x02, 0xF7, 0xF0, 0x03, 0xF7});  // a status byte inside: dropped
    EXPECT_EQ(Next(), std::vector<std::uint8_t>{});
    EXPECT_EQ(Next(), (std::vector<std::uint8_t>{0xF0, 0x03, 0xF7}));
}

TEST_F(SysexMIDIInputTest, AMessageAcrossTheRingsEndComesOutWhole)
{
    Put(Message(CSysexMIDIInput::kRingSize - 10, 0x11));
    EXPECT_EQ(Next().size(), CSysexMIDIInput::kRingSize - 10);
    const std::vector<std::uint8_t> across = Message(25, 0x22);
    Put(across);
    EXPECT_EQ(Next(), across);
}

TEST_F(SysexMIDIInputTest, LooksForTheEndOnlyInBytesReceived)
{
    // A whole lap leaves its F7 at the ring's last byte.
    Put(Message(CSysexMIDIInput::kRingSize, 0x11));
    EXPECT_EQ(Next().size(), CSysexMIDIInput::kRingSize);
    Put({0xF0, 0x22});
    std::size_t length = 0;
    EXPECT_FALSE(rig.parser.FindEnd(length));
    EXPECT_EQ(Next(), std::vector<std::uint8_t>{});
    Put({0x33, 0xF7});
    EXPECT_EQ(Next(), (std::vector<std::uint8_t>{0xF0, 0x22, 0x33, 0xF7}));
}

TEST_F(SysexMIDIInputTest, AnOverrunRaisesInsteadOfSplicingMessages)
{
    const std::vector<std::uint8_t> first = Message(40000, 0x11);
    Put(first);
    Put(Message(30000, 0x22));  // would overwrite the unread start of the first
    EXPECT_THROW(rig.parser.NextMessage(), XSysexBufferOverrun);
    EXPECT_EQ(rig.parser.Pending(), 0u);
    Put(first);
    EXPECT_EQ(Next(), first);
}

TEST_F(SysexMIDIInputTest, WaitsRaiseTimedOutOrTooSmall)
{
    const std::int64_t deadline = rig.clock.Milliseconds() + 50;
    EXPECT_THROW(rig.parser.WaitForStart(deadline), XSysexTimedOut);
    EXPECT_EQ(rig.clock.Milliseconds(), deadline);
    Put({0x55, 0xF0, 0x01, 0x02});
    EXPECT_NO_THROW(rig.parser.WaitForBytes(3, deadline + 50));
    Put({0xF7});
    EXPECT_THROW(rig.parser.WaitForBytes(8, deadline + 100), XSysexTooSmall);
    EXPECT_EQ(rig.parser.WaitForMessage(deadline + 100), 4u);
}
