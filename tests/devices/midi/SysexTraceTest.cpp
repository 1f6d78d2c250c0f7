// The .syx traces of a conversation read back with an independent MIDI
// library as exactly the messages that went over the wire.
#include <gtest/gtest.h>

#include "devices/midi/CSysexConnection.h"
#include "tests/devices/midi/LoopbackRig.h"
#include "tests/support/FileTestSupport.h"

namespace {

std::string Hex(const std::vector<std::uint8_t>& bytes)
{
    static const char digits[] = "0123456789abcdef";
    std::string text;
    for (const std::uint8_t b : bytes) {
        text += digits[b >> 4];
        text += digits[b & 15];
    }
    return text;
}

// One line of hex per message, as mido reads the file.
std::string ReadWithMido(const std::filesystem::path& file)
{
    return RunPython("import mido, sys\nfor m in mido.read_syx_file(sys.argv[1]): print(bytes(m.bytes()).hex())\n",
                     file.string());
}

}  // namespace

TEST(SysexTrace, BothDirectionsReadBackWithMidoAsTheMessagesOnTheWire)
{
    CTempFolder folder;
    const std::vector<std::uint8_t> request = {0xF0, 0x7E, 0x00, 0x06, 0x01, 0xF7};
    std::vector<std::uint8_t> dump(3000, 0x55);
    dump.front() = 0xF0;
    dump.back() = 0xF7;
    const std::vector<std::uint8_t> reply = {0xF0, 0x7E, 0x00, 0x06, 0x02, 0x47, 0x5F, 0xF7};
    {
        LoopbackRig rig(true, (folder / "trace").string());
        // What arrives carries junk and real-time bytes; only the messages are traced.
        rig.cable->Incoming().SetFaults({.delivery = LoopbackDelivery::kRandomPieces, .junkBeforeStart = 1,
                                         .realTimeInside = 1});
        rig.AnswerWith(reply, 5);
        CSysexConnection connection(rig.parser, *rig.output);
        EXPECT_EQ(connection.Transact(CRawSysex(request), 1000, 1).Bytes(), reply);
        rig.output->SendShort(0x90, 0x3C, 0x40);
        connection.SendUnflushed(CRawSysex(dump));
        EXPECT_EQ(connection.Receive(2000).Bytes(), reply);
    }
    EXPECT_EQ(ReadWithMido(folder / "trace" / "Rig cable.out.syx"), Hex(request) + "\n" + Hex(dump) + "\n");
    EXPECT_EQ(ReadWithMido(folder / "trace" / "Rig cable.in.syx"), Hex(reply) + "\n" + Hex(reply) + "\n");
}
