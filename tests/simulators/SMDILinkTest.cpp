// The SMDI link against the simulated E-mu sampler: the wait loop, the
// repeats of busy commands, the failures of the bus, and messages that are
// cut or not SMDI at all.
#include <gtest/gtest.h>

#include "framework/exceptions/Exceptions.h"
#include "tests/support/SMDISamplerRig.h"

namespace {

constexpr std::uint32_t kHeaderLength = 295;

CSimulatedEMUSampler::Sample NamedSample(const std::string& name)
{
    CSimulatedEMUSampler::Sample sample;
    sample.header.name = name;
    return sample;
}

}  // namespace

TEST(SMDILink, WaitsWhileTheSamplerAnswersWait)
{
    SMDISamplerRig rig;
    rig.sampler.Store(1, NamedSample("Kick"));
    rig.sampler.AnswerWait(4);
    rig.smdi.SendMessage(SMDI::SampleHeaderRequest(1));
    EXPECT_EQ(rig.smdi.AwaitMessage(kHeaderLength).Number24(0), 1u);
    EXPECT_EQ(rig.clock.Milliseconds(), 1000 + 4 * CSMDI::kWaitInterval);
    EXPECT_EQ(rig.CommandsOf(0x00), 4u);  // TEST UNIT READY

    rig.sampler.AnswerWait(CSMDI::kWaitRounds + 1);
    rig.smdi.SendMessage(SMDI::AbortProcedure());
    EXPECT_THROW(rig.smdi.AwaitMessage(11), XSMDIWaitTimedOut);
    EXPECT_EQ(rig.clock.Milliseconds(), 1500 + CSMDI::kWaitRounds * CSMDI::kWaitInterval);
}

TEST(SMDILink, BusFailuresOnSendAndRead)
{
    const SimulatedSCSIFault busy{SimulatedSCSIFault::Kind::kBusy};
    const SimulatedSCSIFault absent{SimulatedSCSIFault::Kind::kAbsent};
    const SimulatedSCSIFault aborted{SimulatedSCSIFault::Kind::kCheckCondition, 0x0B};
    const SimulatedSCSIFault illegal{SimulatedSCSIFault::Kind::kCheckCondition, 0x05};
    const SimulatedSCSIFault timeOut{SimulatedSCSIFault::Kind::kTimeOut};
    const SimulatedSCSIFault cut{SimulatedSCSIFault::Kind::kShortTransfer, 0, 1};
    // Leaves 25 of the 295 bytes asked for: the header is cut.
    const SimulatedSCSIFault cutHeader{SimulatedSCSIFault::Kind::kShortTransfer, 0, 270};
    enum Outcome { kDelivered, kCommunication, kAborted, kInvalid };
    const struct {
        SimulatedSCSIFault fault;
        int count;
        bool onRead;
        Outcome outcome;
    } cases[] = {
        {busy, 4, false, kDelivered},     {busy, 5, false, kCommunication}, {absent, 5, false, kCommunication},
        {aborted, 1, false, kAborted},    {illegal, 1, false, kCommunication}, {timeOut, 1, false, kCommunication},
        {cut, 1, false, kCommunication},  {busy, 4, true, kDelivered},      {busy, 5, true, kCommunication},
        {aborted, 1, true, kAborted},     {illegal, 1, true, kCommunication}, {timeOut, 1, true, kCommunication},
        {cutHeader, 1, true, kInvalid},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.fault.kind) << " x" << c.count << " read " << c.onRead);
        SMDISamplerRig rig;
        rig.sampler.Store(1, NamedSample("Snare"));
        if (c.onRead)
            rig.smdi.SendMessage(SMDI::SampleHeaderRequest(1));
        rig.bus.InjectFault(SMDISamplerRig::kId, c.fault, c.count);
        const auto exchange = [&] {
            if (!c.onRead) {
                rig.smdi.SendMessage(SMDI::SampleHeaderRequest(1));
                if (c.outcome != kDelivered)
                    return SMDIMessage{};  // the send itself must fail
            }
            return rig.smdi.AwaitMessage(kHeaderLength);
        };
        switch (c.outcome) {
        case kDelivered: EXPECT_EQ(exchange().Number24(0), 1u); break;
        case kCommunication: EXPECT_THROW(exchange(), XSMDISCSICommunicationException); break;
        case kAborted: EXPECT_THROW(exchange(), XSMDISCSIErrorSenseKeyAborted); break;
        case kInvalid: EXPECT_THROW(exchange(), XSMDIMessageInvalid); break;
        }
    }
}

TEST(SMDILink, TheLongestHeaderArrivesWholeAndACutOneIsRefused)
{
    SMDISamplerRig rig;
    rig.sampler.Store(2, NamedSample(std::string(255, 'x')));
    rig.smdi.SendMessage(SMDI::SampleHeaderRequest(2));
    EXPECT_EQ(rig.smdi.AwaitMessage(kHeaderLength).data.size(), 29u + 255u);

    rig.smdi.SendMessage(SMDI::SampleHeaderRequest(2));
    EXPECT_THROW(rig.smdi.AwaitMessage(292), XSMDIMessageInvalid);

    rig.sampler.InjectFault(CSimulatedEMUSampler::Fault::kInvalidMessage);
    rig.smdi.SendMessage(SMDI::SampleHeaderRequest(2));
    EXPECT_THROW(rig.smdi.AwaitMessage(kHeaderLength), XSMDIMessageInvalid);
}
