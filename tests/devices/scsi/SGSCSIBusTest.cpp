// The SCSI generic back end on a made-up sysfs tree and a fake kernel:
// buses and names, refused permissions, the request sent and the results
// mapped from what SG_IO reports.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <map>

#include "devices/scsi/CABCSGDriver.h"
#include "devices/scsi/CSCSIBusTable.h"
#include "devices/scsi/SCSICommands.h"
#include "devices/scsi/SGResultMapping.h"
#include "framework/exceptions/DeviceExceptions.h"
#include "tests/support/FileTestSupport.h"

namespace fs = std::filesystem;

namespace {

// Answers every open as told and every request with the prepared outcome.
class CFakeSGDriver : public CABCSGDriver {
public:
    int Open(const std::string& path, int& handle) override
    {
        handle = 100 + static_cast<int>(opened.size());
        opened.push_back(path);
        return openErrors.count(fs::path(path).filename()) ? openErrors[fs::path(path).filename()] : 0;
    }
    int Io(int handle, sg_io_hdr_t& request) override
    {
        lastHandle = handle;
        last = request;
        std::memcpy(lastCommand, request.cmdp, request.cmd_len);
        request.host_status = outcome.host_status;
        request.driver_status = outcome.driver_status;
        request.status = outcome.status;
        request.resid = outcome.resid;
        request.sb_len_wr = outcome.sb_len_wr;
        std::memset(request.sbp, 0x33, request.sb_len_wr);
        return ioError;
    }
    void Close(int handle) override { closed.push_back(handle); }

    std::map<std::string, int> openErrors;
    std::vector<std::string> opened;
    std::vector<int> closed;
    sg_io_hdr_t outcome{};
    int ioError = 0;
    sg_io_hdr_t last{};
    unsigned char lastCommand[16] = {};
    int lastHandle = -1;
};

void Write(const fs::path& file, const std::string& text)
{
    fs::create_directories(file.parent_path());
    std::ofstream(file) << text << '\n';
}

// sysfs with a USB adapter (host 4, one target at ID 5, LUN 0 and 1) and a
// PCI adapter (host 6, channels 0 and 1), plus the /dev nodes.
void MakeTree(const fs::path& root)
{
    const fs::path usb = root / "sys/devices/pci0/usb1/1-1";
    const fs::path pci = root / "sys/devices/pci0/0000:00:0d.0";
    Write(usb / "product", "UltraSCSI Bridge");
    Write(pci / "vendor", "0x9004");
    Write(pci / "device", "0x8178");
    struct Node {
        const char* sg;
        fs::path device;
    };
    for (const Node& node : {Node{"sg0", usb / "1-1:1.0/host4/target4:0:5/4:0:5:0"},
                             Node{"sg1", usb / "1-1:1.0/host4/target4:0:5/4:0:5:1"},
                             Node{"sg2", pci / "host6/target6:0:3/6:0:3:0"},
                             Node{"sg3", pci / "host6/target6:1:9/6:1:9:0"},
                             Node{"sg4", pci / "host6/target6:0:1/6:0:1:0"}}) {
        fs::create_directories(node.device);
        fs::create_directories(root / "sys/class/scsi_generic" / node.sg);
        fs::create_symlink(node.device, root / "sys/class/scsi_generic" / node.sg / "device");
        Write(root / "dev" / node.sg, "");
    }
    for (const auto& [host, device, driver] : {std::tuple{"host4", usb / "1-1:1.0/host4", "usb-storage"},
                                               std::tuple{"host6", pci / "host6", "aic7xxx"}}) {
        Write(root / "sys/class/scsi_host" / host / "proc_name", driver);
        fs::create_symlink(device, root / "sys/class/scsi_host" / host / "device");
    }
}

class SGSCSIBusTest : public testing::Test {
protected:
    SGSCSIBusTest()
    {
        MakeTree(folder.Path());
        driver->openErrors["sg4"] = EACCES;
        table.ListSGBuses((folder / "sys").string(), (folder / "dev").string(), driver);
    }

    CTempFolder folder;
    std::shared_ptr<CFakeSGDriver> driver = std::make_shared<CFakeSGDriver>();
    CSCSIBusTable table;
};

}  // namespace

TEST_F(SGSCSIBusTest, BusesAreHostChannelsNamedFromStableFields)
{
    ASSERT_EQ(table.BusCount(), 3);
    struct Expected {
        const char* bus;
        const char* adapter;
        std::vector<std::uint8_t> present;
        std::uint16_t targets;
    };
    const Expected expected[] = {{"usb-storage", "UltraSCSI Bridge", {5}, 8},
                                 {"aic7xxx", "PCI 9004:8178", {1, 3}, 8},
                                 {"aic7xxx channel 1", "PCI 9004:8178", {9}, 16}};
    for (std::uint16_t i = 0; i < 3; ++i) {
        const CSCSIBus& bus = *table.BusAt(i);
        EXPECT_EQ(bus.InterfaceName(), "SG_IO");
        EXPECT_EQ(bus.BusName(), expected[i].bus);
        EXPECT_EQ(bus.AdapterName(), expected[i].adapter);
        EXPECT_EQ(bus.TargetCount(), expected[i].targets);
        std::vector<std::uint8_t> present;
        for (std::uint8_t id = 0; id < 16; ++id)
            if (bus.IsPresent(id))
                present.push_back(id);
        EXPECT_EQ(present, expected[i].present);
    }
    EXPECT_EQ(driver->opened.size(), 4u);  // LUN 1 is not a target
}

TEST_F(SGSCSIBusTest, ARefusedNodeIsReportedWithItsGroupAndItsCommandsRaise)
{
    const std::string node = (folder / "dev" / "sg4").string();
    std::string group = RunCommand("stat -c %G '" + node + "'");
    group.pop_back();
    EXPECT_EQ(table.AccessProblems(), (std::vector<SCSIAccessProblem>{{node, group}}));
    EXPECT_THROW(IsReady(table.Device(1, 1, 1000)), XSCSIAccessDenied);
}

TEST_F(SGSCSIBusTest, EachCommandIsOneRequestWithTheDevicesTimeOut)
{
    SCSICommandBlock read(0x28);  // group 1: 10 bytes
    read[8] = 1;
    std::uint8_t data[512];
    driver->outcome.resid = 12;
    const SCSIResult result = ExecuteIn(table.Device(1, 3, 4500), read, data, sizeof data);
    EXPECT_EQ(result.kind, SCSIResult::kShort);
    EXPECT_EQ(result.residual, 12u);
    EXPECT_EQ(driver->last.interface_id, 'S');
    EXPECT_EQ(driver->last.dxfer_direction, SG_DXFER_FROM_DEV);
    EXPECT_EQ(driver->last.cmd_len, 10);
    EXPECT_EQ(driver->lastCommand[0], 0x28);
    EXPECT_EQ(driver->lastCommand[8], 1);
    EXPECT_EQ(driver->last.dxferp, data);
    EXPECT_EQ(driver->last.dxfer_len, sizeof data);
    EXPECT_EQ(driver->last.timeout, 4500u);
}

namespace {

struct MappingCase {
    const char* name;
    int error;
    unsigned host;
    unsigned driver;
    unsigned status;
    unsigned senseWritten;
    std::int32_t kind;  // -1: raises XSCSI
};

void PrintTo(const MappingCase& c, std::ostream* out)
{
    *out << c.name;
}

class SGResultMappingTest : public testing::TestWithParam<MappingCase> {};

}  // namespace

TEST_P(SGResultMappingTest, MapsErrnoHostDriverAndTargetStatus)
{
    const MappingCase& c = GetParam();
    std::uint8_t sense[32];
    std::memset(sense, 0x44, sizeof sense);
    sg_io_hdr_t request{};
    request.host_status = static_cast<unsigned short>(c.host);
    request.driver_status = static_cast<unsigned short>(c.driver);
    request.status = static_cast<unsigned char>(c.status);
    request.sb_len_wr = static_cast<unsigned char>(c.senseWritten);
    request.sbp = sense;
    if (c.kind < 0) {
        EXPECT_THROW(MapSGResult(c.error, request), XSCSI);
        return;
    }
    const SCSIResult result = MapSGResult(c.error, request);
    EXPECT_EQ(result.kind, c.kind);
    EXPECT_EQ(result.senseLength, c.kind == SCSIResult::kCheckCondition ? 14u : 0u);
    if (c.kind == SCSIResult::kCheckCondition) {
        EXPECT_EQ(result.sense[13], c.senseWritten >= 14 ? 0x44 : 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kernel, SGResultMappingTest,
    testing::Values(MappingCase{"Good", 0, 0, 0, 0, 0, SCSIResult::kGood},
                    MappingCase{"CheckCondition", 0, 0, 0x08, 0x02, 18, SCSIResult::kCheckCondition},
                    MappingCase{"CheckConditionShortSense", 0, 0, 0x08, 0x02, 8, SCSIResult::kCheckCondition},
                    MappingCase{"GoodWithSense", 0, 0, 0x08, 0, 14, SCSIResult::kCheckCondition},
                    MappingCase{"TargetBusy", 0, 0, 0, 0x08, 0, SCSIResult::kBusy},
                    MappingCase{"ReservationConflict", 0, 0, 0, 0x18, 0, SCSIResult::kReservationConflict},
                    MappingCase{"QueueFull", 0, 0, 0, 0x28, 0, SCSIResult::kQueueFull},
                    MappingCase{"OtherStatusPassedOn", 0, 0, 0, 0x22, 0, 0x22},
                    MappingCase{"SelectionTimeOut", 0, 0x01, 0, 0, 0, SCSIResult::kNoDevice},
                    MappingCase{"HostTimeOut", 0, 0x03, 0, 0, 0, SCSIResult::kTimedOut},
                    MappingCase{"DriverTimeOut", 0, 0, 0x06, 0, 0, SCSIResult::kTimedOut},
                    MappingCase{"BusBusy", 0, 0x02, 0, 0, 0, SCSIResult::kInterfaceBusy},
                    MappingCase{"Aborted", 0, 0x05, 0, 0, 0, SCSIResult::kAborted},
                    MappingCase{"Reset", 0, 0x08, 0, 0, 0, SCSIResult::kAborted},
                    MappingCase{"HostError", 0, 0x07, 0, 0, 0, -1},
                    MappingCase{"DriverError", 0, 0, 0x04, 0, 0, -1},
                    MappingCase{"DeviceGone", ENODEV, 0, 0, 0, 0, SCSIResult::kNoDevice},
                    MappingCase{"DeviceBusy", EBUSY, 0, 0, 0, 0, SCSIResult::kInterfaceBusy},
                    MappingCase{"Interrupted", EINTR, 0, 0, 0, 0, SCSIResult::kAborted},
                    MappingCase{"NoMemory", ENOMEM, 0, 0, 0, 0, -1}),
    [](const testing::TestParamInfo<MappingCase>& param) { return std::string(param.param.name); });
