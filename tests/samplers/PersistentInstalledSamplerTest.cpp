// An installed sampler as the preferences file keeps it: the 343 bytes of
// its record, and the installed sampler made from a record.
#include <gtest/gtest.h>

#include <cstring>

#include "framework/exceptions/GeneralExceptions.h"
#include "samplers/model/CPersistentInstalledSampler.h"
#include "tests/support/SamplerTestRig.h"
#include "tests/support/AlertRecorder.h"

namespace {

using Record = std::vector<std::uint8_t>;

Record Serialized(const CPersistentInstalledSampler& stored)
{
    Record bytes(stored.GetSize());
    stored.Serialize(bytes.data());
    return bytes;
}

void Put(Record& record, std::size_t at, const std::string& text)
{
    std::memcpy(record.data() + at, text.data(), text.size());
}

class PersistentSamplerTest : public ::testing::Test {
protected:
    FakeIdentification identification;
    CSupportedSamplerRegistry types{identification};
    FakeConnections connections;
    AlertRecorder alerts;

    CPersistentInstalledSampler Read(const Record& bytes)
    {
        CPersistentInstalledSampler stored;
        stored.Deserialize(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
        return stored;
    }
};

// A K2000 over MIDI and SCSI on the second ports and bus.
Record K2000Record()
{
    Record bytes(343, 0);
    bytes[0] = 1;
    bytes[1] = 0xEA;  // type id 1002, little-endian
    bytes[2] = 0x03;
    Put(bytes, 5, "Kurzweil K2000 via MIDI+SCSI");
    Put(bytes, 37, "Bus 1");
    Put(bytes, 70, "Adapter 1");
    Put(bytes, 103, "In B");
    Put(bytes, 136, "snd-b");
    Put(bytes, 169, "Out B");
    Put(bytes, 202, "snd-b");
    bytes[235] = 5;
    bytes[236] = 17;
    Put(bytes, 237, "Studio K");
    bytes[338] = 0xBC;
    bytes[339] = 3;
    bytes[340] = 1;
    return bytes;
}

}  // namespace

TEST_F(PersistentSamplerTest, RecordBytesOfAMIDIAndSCSISampler)
{
    auto sampler = MakeSampler(types, 1002);
    sampler->SetMIDIIn(1);
    sampler->SetMIDIOut(1);
    sampler->SetSCSIBus(1);
    sampler->SetSCSIID(5);
    sampler->SetSysexID(17);
    sampler->SetName("Studio K");
    sampler->SetFoundOS(CVersion(3, 1));
    const CPersistentInstalledSampler stored(*sampler, connections);
    EXPECT_EQ(Serialized(stored), K2000Record());

    auto back = Read(K2000Record()).MakeInstalled(types, connections);
    EXPECT_TRUE(back->IsIdenticalTo(*sampler));
    EXPECT_EQ(back->Name(), "Studio K");
    EXPECT_EQ(back->FoundOS(), CVersion(3, 1));
    EXPECT_TRUE(alerts.shown.empty());
}

TEST_F(PersistentSamplerTest, OnlyTheFieldsOfTheKindAreStored)
{
    auto sampler = MakeSampler(types, 4131);  // SCSI only
    sampler->SetMIDIIn(1);
    sampler->SetSysexID(9);
    const Record bytes = Serialized(CPersistentInstalledSampler(*sampler, connections));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[37])), "Bus 0");
    EXPECT_EQ(bytes[103], 0);
    EXPECT_EQ(bytes[236], 0);
}

TEST_F(PersistentSamplerTest, LongTypeNameKeepsItsFirst32Characters)
{
    Record bytes = K2000Record();
    const std::string forty = "Kurzweil K2000 via MIDI+SCSI, the long one";
    Put(bytes, 5, forty.substr(0, 32));
    EXPECT_EQ(Read(bytes).TypeName(), forty.substr(0, 32));
    EXPECT_EQ(Read(bytes).SCSIBus().bus, "Bus 1");
}

TEST_F(PersistentSamplerTest, VersionBlockWithoutMarkerLeavesVersionZero)
{
    Record bytes = K2000Record();
    bytes[338] = 0xBD;
    EXPECT_EQ(Read(bytes).FoundOS(), CVersion(0, 0));
}

TEST_F(PersistentSamplerTest, DamagedRecordsAreInvalid)
{
    struct Case {
        const char* name;
        std::size_t at;
        std::uint8_t value;
    };
    for (const Case& bad : {Case{"SCSI ID 8", 235, 8}, Case{"SysEx ID 128", 236, 128}}) {
        Record bytes = K2000Record();
        bytes[bad.at] = bad.value;
        CPersistentInstalledSampler stored;
        EXPECT_THROW(stored.Deserialize(bytes.data(), 343), XInvalidPreferencesChunk) << bad.name;
    }
    CPersistentInstalledSampler stored;
    EXPECT_THROW(stored.Deserialize(K2000Record().data(), 342), XInvalidPreferencesChunk);
    // The K2000 has 128 SysEx IDs; the S-760 32.
    Record roland = K2000Record();
    roland[1] = 0xD0;  // type id 2000
    roland[2] = 0x07;
    roland[236] = 40;
    EXPECT_THROW(Read(roland).MakeInstalled(types, connections), XInvalidPreferencesChunk);
}

TEST_F(PersistentSamplerTest, UnknownTypeAndMissingDevices)
{
    Record unknown = K2000Record();
    unknown[1] = 0x02;  // type id 2: none
    unknown[2] = 0x00;
    EXPECT_THROW(Read(unknown).MakeInstalled(types, connections), XSamplerNotSupported);

    connections.inputs.erase(connections.inputs.begin() + 1);
    connections.buses.clear();
    auto sampler = Read(K2000Record()).MakeInstalled(types, connections);
    EXPECT_TRUE(alerts.Shown(Res::kAlertMIDIInPortMissing, "In B"));
    EXPECT_FALSE(alerts.Shown(Res::kAlertMIDIOutPortMissing, "Out B"));
    EXPECT_TRUE(alerts.Shown(Res::kAlertSCSIBusMissing, "Bus 1"));
    EXPECT_EQ(sampler->MIDIIn(), 0);
    EXPECT_EQ(sampler->MIDIOut(), 1);
    EXPECT_EQ(sampler->SCSIBus(), 0);
    EXPECT_EQ(sampler->SCSIID(), 5);
}
