// Request and reply over a loopback cable in virtual time: pieces, pacing,
// the reply filter, attempts, and every fault the cable can inject.
#include <gtest/gtest.h>

#include "devices/midi/CSysexConnection.h"
#include "framework/exceptions/Exceptions.h"
#include "tests/devices/midi/LoopbackRig.h"

namespace {

const std::vector<std::uint8_t> kRequest = {0xF0, 0x47, 0x00, 0x05, 0x48, 0xF7};
const std::vector<std::uint8_t> kReply = {0xF0, 0x47, 0x00, 0x06, 0x48, 0x01, 0x02, 0x03, 0xF7};

std::vector<std::uint8_t> LongMessage(std::size_t length)
{
    std::vector<std::uint8_t> message(length);
    for (std::size_t i = 0; i < length; ++i)
        message[i] = static_cast<std::uint8_t>(i % 128);
    message.front() = 0xF0;
    message.back() = 0xF7;
    return message;
}

}  // namespace

TEST(SysexConnection, LongMessageGoesOutInAwaitedPiecesAtWireSpeed)
{
    LoopbackRig rig;
    const std::vector<std::uint8_t> message = LongMessage(5000);
    const std::int64_t start = rig.clock.Milliseconds();
    rig.output->SendLong(message.data(), message.size());

    // Each piece is drained before the next is written: 5000 bytes take 1600 ms,
    // and each of the three waits ends on the next whole millisecond.
    EXPECT_NEAR(rig.clock.Milliseconds() - start, 1601, 2);
    rig.clock.Sleep(1);
    ASSERT_EQ(rig.farEnd.pieces.size(), 3u);
    EXPECT_EQ(rig.farEnd.pieces[0].size(), 2048u);
    EXPECT_EQ(rig.farEnd.pieces[1].size(), 2048u);
    EXPECT_EQ(rig.farEnd.pieces[2].size(), 904u);
    EXPECT_EQ(rig.farEnd.messages, std::vector<std::vector<std::uint8_t>>{message});
}

TEST(SysexConnection, TransactAnswersTheReplyAndSendWaitsForTheHoldOff)
{
    LoopbackRig rig;
    rig.AnswerWith(kReply, 40);
    CSysexConnection connection(rig.parser, *rig.output, 0x47, 0x00);
    connection.DelaySending(250);
    const std::int64_t start = rig.clock.Milliseconds();
    const CRawSysex reply = connection.Transact(CRawSysex(kRequest), 1000, 3);
    EXPECT_EQ(reply.Bytes(), kReply);
    ASSERT_EQ(rig.farEnd.messages.size(), 1u);
    // Hold-off, 6 bytes out, the answer's delay, 9 bytes back (1.92 + 2.88 ms).
    EXPECT_GE(rig.clock.Milliseconds() - start, 250 + 2 + 40 + 3);
    EXPECT_LE(rig.clock.Milliseconds() - start, 250 + 2 + 40 + 3 + 2);
}

TEST(SysexConnection, RepliesOfOtherDevicesAreDroppedUntilTheDeadline)
{
    LoopbackRig rig;
    std::vector<std::uint8_t> otherDevice = kReply;
    otherDevice[2] = 0x05;
    rig.AnswerWith(otherDevice);
    CSysexConnection connection(rig.parser, *rig.output, 0x47, 0x00);
    const std::int64_t start = rig.clock.Milliseconds();
    EXPECT_THROW(connection.Transact(CRawSysex(kRequest), 500, 1), XSysexTimedOut);
    EXPECT_GE(rig.clock.Milliseconds() - start, 500);
    EXPECT_EQ(rig.parser.Pending(), 0u);
}

TEST(SysexConnection, EveryAttemptFlushesTheInputAndSendsAgainBeforeTimingOut)
{
    LoopbackRig rig;
    std::vector<std::uint8_t> stale = kReply;
    stale[3] = 0x7E;
    CSysexConnection connection(rig.parser, *rig.output, 0x47, 0x00, 0x06);
    // A stale message that would pass the filter but for byte 3 sits in the input.
    rig.cable->SendToProgram(kReply.data(), kReply.size());
    rig.clock.Sleep(10);
    ASSERT_EQ(rig.parser.Pending(), kReply.size());
    rig.farEnd.answer = [&](const std::vector<std::uint8_t>&) {
        rig.cable->SendToProgram(stale.data(), stale.size());
    };
    const std::int64_t start = rig.clock.Milliseconds();
    EXPECT_THROW(connection.Transact(CRawSysex(kRequest), 300, 3), XSysexTimedOut);
    EXPECT_EQ(rig.farEnd.messages.size(), 3u);
    EXPECT_GE(rig.clock.Milliseconds() - start, 900);
}

struct FaultCase {
    const char* name;
    LoopbackFaults faults;
    bool replyArrives;
};

void PrintTo(const FaultCase& c, std::ostream* out)
{
    *out << c.name;
}

class SysexConnectionFaults : public testing::TestWithParam<FaultCase> {};

TEST_P(SysexConnectionFaults, TheValidReplyIsFoundOrTheWaitTimesOut)
{
    LoopbackRig rig;
    rig.cable->Incoming().SetFaults(GetParam().faults);
    // The first reply is the one the fault hits; the second is sent whole.
    rig.farEnd.answer = [&](const std::vector<std::uint8_t>&) {
        std::vector<std::uint8_t> both = LongMessage(300);
        both.insert(both.end(), kReply.begin(), kReply.end());
        rig.cable->SendToProgram(both.data(), both.size());
    };
    CSysexConnection connection(rig.parser, *rig.output, 0x47);
    if (GetParam().replyArrives) {
        EXPECT_EQ(connection.Transact(CRawSysex(kRequest), 2000, 1).Bytes(), kReply);
    } else {
        EXPECT_THROW(connection.Transact(CRawSysex(kRequest), 2000, 1), XSysexTimedOut);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cable, SysexConnectionFaults,
    testing::Values(FaultCase{"Clean", {}, true},
                    FaultCase{"JunkBeforeStart", {.junkBeforeStart = 2}, true},
                    FaultCase{"RealTimeInside", {.realTimeInside = 2}, true},
                    FaultCase{"FirstTruncated", {.truncated = 1}, true},
                    FaultCase{"FirstDropped", {.dropped = 1}, true},
                    FaultCase{"BothDropped", {.dropped = 2}, false},
                    FaultCase{"ByteByByte", {.delivery = LoopbackDelivery::kByteByByte}, true},
                    FaultCase{"RandomPieces", {.delivery = LoopbackDelivery::kRandomPieces, .seed = 7}, true},
                    FaultCase{"PiecesWithRealTime",
                              {.delivery = LoopbackDelivery::kRandomPieces, .seed = 3, .realTimeInside = 2}, true}),
    [](const testing::TestParamInfo<FaultCase>& param) { return std::string(param.param.name); });

TEST(SysexConnection, WritesThatFailOrNeverFinishRaiseWriteFailed)
{
    LoopbackRig rig;
    const std::vector<std::uint8_t> message = LongMessage(100);
    rig.cable->Outgoing().SetFaults({.failedWrites = 1});
    EXPECT_THROW(rig.output->SendLong(message.data(), message.size()), XMIDIWriteFailed);
    EXPECT_NO_THROW(rig.output->SendLong(message.data(), message.size()));

    rig.cable->Outgoing().SetFaults({.neverDrains = true});
    const std::int64_t start = rig.clock.Milliseconds();
    EXPECT_THROW(rig.output->SendLong(message.data(), message.size()), XMIDIWriteFailed);
    EXPECT_EQ(rig.clock.Milliseconds() - start, CMIDIOutput::kDrainTimeoutMilliseconds);
}

TEST(SysexConnection, PortsThatWillNotOpenRaiseFailedOpening)
{
    LoopbackRig rig(false);
    CSysexMIDIInput second;
    const std::uint16_t last = rig.lists.InputCount() - 1;
    EXPECT_THROW(rig.lists.InputAt(last).Open(second), XFailedOpeningMIDIPort);  // already open
    rig.cable->SetOpenFails(true);
    rig.input.reset();
    EXPECT_THROW(rig.lists.InputAt(last).Open(second), XFailedOpeningMIDIPort);
    EXPECT_THROW(rig.lists.OutputAt(last).Open(), XFailedOpeningMIDIPort);
}

TEST(SysexConnection, WithoutAFarEndTheCableLoopsBackToTheInput)
{
    LoopbackRig rig(false);
    CSysexConnection connection(rig.parser, *rig.output);
    connection.SendUnflushed(CRawSysex(kReply));
    EXPECT_EQ(connection.Receive(100).Bytes(), kReply);
}
