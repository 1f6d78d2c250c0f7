// The simulated bus and the generic commands: results, faults, INQUIRY,
// the bus table's indices and the text trace.
#include <gtest/gtest.h>

#include <cstring>

#include "devices/scsi/CSCSIBusTable.h"
#include "devices/scsi/CSimulatedSCSIBus.h"
#include "devices/scsi/SCSICommands.h"
#include "framework/exceptions/DeviceExceptions.h"
#include "tests/support/FileTestSupport.h"
#include "tests/support/InstalledClock.h"

namespace {

// Answers INQUIRY with its identity and TEST UNIT READY; counts commands.
class CInquiryTarget : public CABCSimulatedSCSITarget {
public:
    SCSIResult Answer(const SCSICommandBlock& command, SCSIDirection, std::uint8_t* data, std::uint32_t length,
                      std::uint32_t& moved) override
    {
        ++commands;
        if (command.OperationCode() == 0x12) {
            const char identity[] = "\x00\x00\x02\x02\x1F\x00\x00\x00QUILLET SIMULATED TARGET1.00";
            moved = std::min<std::uint32_t>(length, 36);
            std::memcpy(data, identity, moved);
        }
        return SCSIResult::Of(SCSIResult::kGood);
    }
    int commands = 0;
};

class SimulatedSCSIBusTest : public testing::Test {
protected:
    SimulatedSCSIBusTest()
    {
        auto owned = std::make_unique<CSimulatedSCSIBus>("Test bus");
        bus = owned.get();
        table.AddBus(std::move(owned));
        bus->Attach(3, target);
        device = table.Device(0, 3, 8000);
    }

    InstalledClock clock;
    CSCSIBusTable table;
    CSimulatedSCSIBus* bus;
    CInquiryTarget target;
    SCSIDevice device;
};

struct FaultCase {
    const char* name;
    SimulatedSCSIFault fault;
    std::int32_t kind;
    std::uint8_t senseKey;
    std::int64_t elapsed;
};

void PrintTo(const FaultCase& c, std::ostream* out)
{
    *out << c.name;
}

class SimulatedSCSIFaults : public SimulatedSCSIBusTest, public testing::WithParamInterface<FaultCase> {};

}  // namespace

TEST_P(SimulatedSCSIFaults, EachFaultComesBackAsItsResultKindAndTheNextCommandIsGood)
{
    bus->InjectFault(3, GetParam().fault);
    const SCSIResult result = ExecuteNoData(device, SCSICommandBlock(0x00));
    EXPECT_EQ(result.kind, GetParam().kind);
    EXPECT_EQ(result.senseLength, GetParam().kind == SCSIResult::kCheckCondition ? 14u : 0u);
    EXPECT_EQ(result.SenseKey(), GetParam().senseKey);
    EXPECT_EQ(clock.Milliseconds(), GetParam().elapsed);
    EXPECT_TRUE(IsReady(device));
}

INSTANTIATE_TEST_SUITE_P(
    Bus, SimulatedSCSIFaults,
    testing::Values(FaultCase{"Busy", {SimulatedSCSIFault::Kind::kBusy}, SCSIResult::kBusy, 0, 0},
                    FaultCase{"NotReady", {SimulatedSCSIFault::Kind::kNotReady}, SCSIResult::kCheckCondition, 2, 0},
                    FaultCase{"IllegalRequest", {SimulatedSCSIFault::Kind::kCheckCondition, 5},
                              SCSIResult::kCheckCondition, 5, 0},
                    FaultCase{"TimeOut", {SimulatedSCSIFault::Kind::kTimeOut}, SCSIResult::kTimedOut, 0, 8000},
                    FaultCase{"Absent", {SimulatedSCSIFault::Kind::kAbsent}, SCSIResult::kNoDevice, 0, 0}),
    [](const testing::TestParamInfo<FaultCase>& param) { return std::string(param.param.name); });

TEST_F(SimulatedSCSIBusTest, AShortInquiryIsParsedOnlyFromTheBytesThatCame)
{
    bus->InjectFault(3, {SimulatedSCSIFault::Kind::kShortTransfer, 0, 4});
    std::uint8_t data[36];
    std::memset(data, 'X', sizeof data);
    const SCSIResult result = Inquire(device, 36, data);
    EXPECT_EQ(result.kind, SCSIResult::kShort);
    EXPECT_EQ(result.residual, 4u);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(&data[32]), 4), "XXXX");  // not written by the bus

    const SCSIInquiry parsed = ParseInquiry(data, 36 - result.residual);
    EXPECT_EQ(parsed.vendor, "QUILLET");
    EXPECT_EQ(parsed.product, "SIMULATED TARGET");
    EXPECT_EQ(parsed.revision, "");
    EXPECT_EQ(parsed.PeripheralType(), 0);

    const std::optional<SCSIInquiry> whole = InquireIdentity(device);
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->revision, "1.00");
}

TEST_F(SimulatedSCSIBusTest, AnIDNotFoundAtStartUpAnswersNoDeviceWithoutWaiting)
{
    bus->InjectFault(4, {SimulatedSCSIFault::Kind::kTimeOut});  // never reached
    const SCSIResult result = ExecuteNoData(table.Device(0, 4, 8000), SCSICommandBlock(0x00));
    EXPECT_EQ(result.kind, SCSIResult::kNoDevice);
    EXPECT_EQ(clock.Milliseconds(), 0);
    EXPECT_EQ(target.commands, 0);
    EXPECT_THROW(IsReady(table.Device(5, 3, 8000)), XSCSI);  // no such bus
}

TEST(SCSIBusTable, IndicesCountOnlyFilledSlots)
{
    CSCSIBusTable table;
    EXPECT_EQ(table.ListStandInBuses("simulated,tape"), std::vector<std::string>{"tape"});
    table.AddBus(std::make_unique<CSimulatedSCSIBus>("Second"));
    struct COtherBus : CSCSIBus {
        COtherBus() : CSCSIBus("Other", "Third", "", 7, 0) {}
        SCSIResult Execute(const SCSIDevice&, const SCSICommandBlock&, SCSIDirection, std::uint8_t*,
                           std::uint32_t) override
        {
            return {};
        }
    };
    table.AddBus(std::make_unique<COtherBus>());
    table.RemoveBuses("Simulated");
    EXPECT_EQ(table.BusCount(), 1);
    EXPECT_EQ(table.AddBus(std::make_unique<CSimulatedSCSIBus>("Again")), 0u);
    ASSERT_EQ(table.BusCount(), 2);
    EXPECT_EQ(table.BusAt(1)->BusName(), "Third");  // slot 2
    EXPECT_EQ(table.BusAt(1)->TargetCount(), 8);   // the adapter did not tell
    EXPECT_EQ(table.BusAt(2), nullptr);
}

TEST(SCSITrace, EveryCommandIsLoggedWithItsBlockResultAndData)
{
    CTempFolder folder;
    InstalledClock clock{1234};
    CInquiryTarget target;
    {
        CSCSIBusTable table;
        table.ListBuses("simulated", (folder / "scsi").string());
        auto& bus = static_cast<CSimulatedSCSIBus&>(*table.BusAt(table.BusCount() - 1));
        bus.Attach(2, target);
        bus.InjectFault(2, {SimulatedSCSIFault::Kind::kShortTransfer, 0, 4});
        const SCSIDevice device = table.Device(table.BusCount() - 1, 2, 1000);
        InquireIdentity(device);
        bus.InjectFault(2, {SimulatedSCSIFault::Kind::kCheckCondition, 6});
        const std::uint8_t message[] = {1, 2, 3};
        SCSICommandBlock send(0x0A);
        send[4] = 3;
        ExecuteOut(device, send, message, 3);
    }
    const auto text = ReadFileBytes(folder / "scsi" / (std::string(CSCSIBusTable::kSimulatedBusName) + ".scsi.txt"));
    EXPECT_EQ(std::string(text.begin(), text.end()),
              "1234 ms  ID 2  in 36  CDB 12 00 00 00 24 00\n"
              "  result: short transfer (261), 4 bytes not moved\n"
              "  data (32 bytes):\n"
              "    0000  00 00 02 02 1F 00 00 00 51 55 49 4C 4C 45 54 20  ........QUILLET \n"
              "    0010  53 49 4D 55 4C 41 54 45 44 20 54 41 52 47 45 54  SIMULATED TARGET\n"
              "1234 ms  ID 2  out 3  CDB 0A 00 00 00 03 00\n"
              "  result: check condition (2), sense 70 00 06 00 00 00 00 06 00 00 00 00 00 00\n"
              "  data (3 bytes):\n"
              "    0000  01 02 03                                         ...\n");
}
