// The simulated-instrument base: conversations over the loopback cable in
// virtual and in real time, answers on the simulated bus, and its trace.
#include <gtest/gtest.h>

#include <chrono>

#include "devices/midi/CMIDIPortLists.h"
#include "devices/midi/CSysexConnection.h"
#include "devices/midi/CSysexMIDIInput.h"
#include "devices/scsi/SCSICommands.h"
#include "framework/exceptions/Exceptions.h"
#include "simulators/CSimulatedInstrument.h"
#include "tests/support/InstalledClock.h"

namespace {

const std::vector<std::uint8_t> kIdentityRequest = {0xF0, 0x7E, 0x10, 0x06, 0x01, 0xF7};
const std::vector<std::uint8_t> kIdentityReply = {0xF0, 0x7E, 0x10, 0x06, 0x02, 0x47, 0x5F, 0x00, 0xF7};

// Answers the identity request after a delay, and ignores everything else.
class CIdentitySampler : public CSimulatedInstrument {
public:
    explicit CIdentitySampler(std::int64_t delay)
        : CSimulatedInstrument({"QUILLET", "TEST SAMPLER", "2.10"}), fDelay(delay)
    {
    }
    ~CIdentitySampler() override { Disconnect(); }

protected:
    void OnSysex(const std::vector<std::uint8_t>& message) override
    {
        if (message == kIdentityRequest)
            SendSysex(kIdentityReply, fDelay);
    }

private:
    std::int64_t fDelay;
};

// The program's side: the two ports of a cable opened as a sampler's.
struct ProgramSide {
    ProgramSide()
    {
        cable = lists.AddLoopbackPair("Sampler cable");
        input = lists.InputAt(0).Open(parser);
        output = lists.OutputAt(0).Open();
    }

    CMIDIPortLists lists;
    std::shared_ptr<CLoopbackCable> cable;
    CSysexMIDIInput parser;
    std::unique_ptr<CMIDIInput> input;
    std::unique_ptr<CMIDIOutput> output;
};

}  // namespace

TEST(SimulatedInstrument, AnswersInVirtualTimeAndTracesTheConversation)
{
    InstalledClock clock(5000);
    ProgramSide program;
    CIdentitySampler sampler(30);
    sampler.ConnectMIDI(program.cable);
    CSysexConnection connection(program.parser, *program.output, 0x7E, 0x10);

    EXPECT_EQ(connection.Transact(CRawSysex(kIdentityRequest), 1000, 1).Bytes(), kIdentityReply);
    // 6 bytes out arrive after 1.92 ms; the reply leaves 30 ms later.
    EXPECT_EQ(sampler.Trace().Entries(),
              (std::vector<CInstrumentTrace::Entry>{{CInstrumentTrace::Kind::kReceivedSysex, 5002, kIdentityRequest},
                                                    {CInstrumentTrace::Kind::kSentSysex, 5032, kIdentityReply}}));
}

TEST(SimulatedInstrument, AnswersInRealTimeOnTheClocksEventThread)
{
    ProgramSide program;
    CIdentitySampler sampler(20);
    sampler.ConnectMIDI(program.cable);
    CSysexConnection connection(program.parser, *program.output, 0x7E, 0x10);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(connection.Transact(CRawSysex(kIdentityRequest), 5000, 1).Bytes(), kIdentityReply);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(20));
    EXPECT_EQ(sampler.Trace().Bytes(CInstrumentTrace::Kind::kReceivedSysex),
              std::vector<std::vector<std::uint8_t>>{kIdentityRequest});
}

TEST(SimulatedInstrument, RepliesNotYetSentGoWithTheInstrument)
{
    InstalledClock clock;
    ProgramSide program;
    CSysexConnection connection(program.parser, *program.output, 0x7E);
    {
        CIdentitySampler sampler(500);
        sampler.ConnectMIDI(program.cable);
        connection.Send(CRawSysex(kIdentityRequest));
        clock.Sleep(10);
        ASSERT_EQ(sampler.Trace().Entries().size(), 1u);
    }
    // Without an instrument the cable loops back: only the request comes back.
    connection.SendUnflushed(CRawSysex(kIdentityRequest));
    EXPECT_EQ(connection.Receive(1000).Bytes(), kIdentityRequest);
    EXPECT_THROW(connection.Receive(1000), XSysexTimedOut);
}

TEST(SimulatedInstrument, AnswersIdentityAndRefusesUnknownCommandsOnTheBus)
{
    InstalledClock clock;
    CSimulatedSCSIBus bus("Bus");
    CIdentitySampler sampler(0);
    sampler.ConnectSCSI(bus, 6);
    const SCSIDevice device{&bus, 6, 8000};

    const std::optional<SCSIInquiry> identity = InquireIdentity(device);
    ASSERT_TRUE(identity);
    EXPECT_EQ(identity->PeripheralType(), 3);
    EXPECT_EQ(identity->vendor, "QUILLET");
    EXPECT_EQ(identity->product, "TEST SAMPLER");
    EXPECT_EQ(identity->revision, "2.10");
    EXPECT_TRUE(IsReady(device));
    const SCSIResult refused = ExecuteNoData(device, SCSICommandBlock(0x0E));
    EXPECT_EQ(refused.kind, SCSIResult::kCheckCondition);
    EXPECT_EQ(refused.SenseKey(), 5);

    std::vector<std::int32_t> results;
    for (const CInstrumentTrace::Entry& entry : sampler.Trace().Entries())
        results.push_back(entry.result);
    EXPECT_EQ(results, (std::vector<std::int32_t>{SCSIResult::kGood, SCSIResult::kGood, SCSIResult::kCheckCondition}));
    EXPECT_EQ(sampler.Trace().Entries().back().bytes, (std::vector<std::uint8_t>{0x0E, 0, 0, 0, 0, 0}));
}
