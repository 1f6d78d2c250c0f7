// Versions, the supported sampler table, installed samplers and their list.
#include <gtest/gtest.h>

#include <set>

#include "framework/resources/ResourceScripts.h"
#include "samplers/model/CABCTransmitHost.h"
#include "samplers/model/CInstalledSamplerList.h"
#include "samplers/model/CPseudoSamplerClass.h"
#include "samplers/model/TransmitMenuText.h"
#include "tests/support/SamplerTestRig.h"
#include "tests/support/AlertRecorder.h"

namespace {

class SamplerModelTest : public ::testing::Test {
protected:
    FakeIdentification identification;
    CSupportedSamplerRegistry types{identification};

    const CABCSupportedSampler& Type(std::uint32_t typeId) const { return *types.Find(typeId); }
};

}  // namespace

TEST(Version, TextAndOrder)
{
    EXPECT_EQ(CVersion(4, 40).Text(), "V4.40");
    EXPECT_EQ(CVersion(2, 0).Text(), "V2.00");
    EXPECT_EQ(CVersion(3, 2).Text(), "V3.02");
    EXPECT_LT(CVersion(3, 99), CVersion(4, 0));
    EXPECT_LT(CVersion(4, 30), CVersion(4, 40));
    EXPECT_LT(CVersion(4, 40, 0), CVersion(4, 40, 1));
    EXPECT_TRUE(CVersion::Unknown().IsUnknown());
    EXPECT_FALSE(CVersion(255, 1).IsUnknown());
}

TEST_F(SamplerModelTest, TableOrderAndConstants)
{
    ASSERT_EQ(types.Count(), 40u);
    std::set<std::uint32_t> ids;
    for (std::size_t i = 0; i < types.Count(); ++i)
        EXPECT_TRUE(ids.insert(types.At(i).TypeId()).second) << types.At(i).Name();

    struct Row {
        std::size_t index;
        const char* name;
        std::uint32_t typeId;
        ConnectionKind kind;
        const char* required;
        std::uint16_t sysexIds;
        bool fromOne;
        bool osDetectable;
    };
    const Row rows[] = {
        {0, "New Window", 1, ConnectionKind::kNone, "V0.00", 16, false, false},
        {3, "Mixman TRK File", 24, ConnectionKind::kNone, "V0.00", 16, false, false},
        {4, "AKAI S1000 via MIDI", 4000, ConnectionKind::kMIDI, "V4.40", 128, true, true},
        {7, "AKAI S2000 via SCSI", 4131, ConnectionKind::kSCSI, "V2.00", 128, true, true},
        {15, "AKAI CD3000 via MIDI", 4120, ConnectionKind::kMIDI, "V2.00", 128, true, true},
        {18, "E-mu EOS Sampler via SCSI", 5101, ConnectionKind::kSCSI, "V4.00", 16, true, true},
        {19, "E-mu ESI-32 via SCSI", 5001, ConnectionKind::kSCSI, "V3.02", 16, true, true},
        {28, "Ensoniq EPS via MIDI", 3000, ConnectionKind::kMIDI, "V2.49", 16, true, false},
        {32, "Kurzweil K2000 via MIDI+SCSI", 1002, ConnectionKind::kMIDIAndSCSI, "V3.01", 128, false, true},
        {35, "Roland S-760 via MIDI", 2000, ConnectionKind::kMIDI, "V2.24", 32, true, false},
        {37, "Yamaha A3000 via MIDI+SCSI", 6002, ConnectionKind::kMIDIAndSCSI, "V2.00", 16, true, true},
        // Beyond the table, after its types and the SFZ kit pseudo-sampler.
        {39, "MIDI Sample Dump Standard via MIDI", 7000, ConnectionKind::kMIDI, "V0.00", 128, false, false},
    };
    for (const Row& row : rows) {
        const CABCSupportedSampler& type = types.At(row.index);
        SCOPED_TRACE(row.name);
        EXPECT_EQ(type.Name(), row.name);
        EXPECT_EQ(type.TypeId(), row.typeId);
        EXPECT_EQ(type.Kind(), row.kind);
        EXPECT_EQ(type.RequiredOS().Text(), row.required);
        EXPECT_EQ(type.Constants().sysexIdCount, row.sysexIds);
        EXPECT_EQ(type.Constants().sysexIdsFromOne, row.fromOne);
        EXPECT_EQ(type.Constants().osDetectable, row.osDetectable);
    }
    EXPECT_EQ(Type(3010).Notes(), "Make sure your EPS-16+ is NOT in Load mode when using it with Quillet!");
    EXPECT_FALSE(Type(4000).HasNotes());
    EXPECT_EQ(Type(1).Constants().helpId, 102060u);
    EXPECT_EQ(Type(5011).Constants().picture, 15061u);
}

TEST_F(SamplerModelTest, TooOldOnlyWhenKnownAndLower)
{
    EXPECT_TRUE(Type(4000).IsTooOld(CVersion(4, 30)));
    EXPECT_FALSE(Type(4000).IsTooOld(CVersion(4, 40)));
    EXPECT_FALSE(Type(4000).IsTooOld(CVersion::Unknown()));
}

TEST_F(SamplerModelTest, DefaultNames)
{
    EXPECT_EQ(CInstalledSampler(Type(4151)).Name(), "My S3000XL via SCSI");
    EXPECT_EQ(CInstalledSampler(Type(1)).Name(), "New Window");
    EXPECT_EQ(CInstalledSampler(Type(3020)).Name(), "My ASR-10/ASR-88 via MIDI");
    CInstalledSampler sampler(Type(4000));
    sampler.SetName(std::string(50, 'x'));
    EXPECT_EQ(sampler.Name().size(), CInstalledSampler::kNameLength);
}

TEST_F(SamplerModelTest, ChangingAnAddressForgetsTheVerification)
{
    CInstalledSampler sampler(Type(1002));
    EXPECT_TRUE(sampler.FoundOS().IsUnknown());
    const std::function<void(CInstalledSampler&, int)> setters[] = {
        [](CInstalledSampler& s, int v) { s.SetSCSIID(std::uint8_t(v)); },
        [](CInstalledSampler& s, int v) { s.SetSCSIBus(std::uint16_t(v)); },
        [](CInstalledSampler& s, int v) { s.SetSysexID(std::uint8_t(v)); },
        [](CInstalledSampler& s, int v) { s.SetMIDIIn(std::uint16_t(v)); },
        [](CInstalledSampler& s, int v) { s.SetMIDIOut(std::uint16_t(v)); },
    };
    for (const auto& set : setters) {
        sampler.SetFoundOS(CVersion(3, 1));
        sampler.SetVerified(true);
        set(sampler, 0);  // the value it has: nothing changes
        EXPECT_TRUE(sampler.IsVerified());
        set(sampler, 1);
        EXPECT_FALSE(sampler.IsVerified());
        EXPECT_TRUE(sampler.FoundOS().IsUnknown());
    }
}

TEST_F(SamplerModelTest, IdenticalComparesOnlyTheAddressesTheKindUses)
{
    struct Case {
        std::uint32_t typeId;
        std::function<void(CInstalledSampler&)> change;
        bool identical;
    };
    const Case cases[] = {
        {4000, [](CInstalledSampler& s) { s.SetSCSIID(3); }, true},
        {4000, [](CInstalledSampler& s) { s.SetSysexID(3); }, false},
        {4000, [](CInstalledSampler& s) { s.SetMIDIOut(1); }, false},
        {4131, [](CInstalledSampler& s) { s.SetMIDIIn(1); }, true},
        {4131, [](CInstalledSampler& s) { s.SetSCSIBus(1); }, false},
        {1002, [](CInstalledSampler& s) { s.SetSCSIID(2); }, false},
        {1002, [](CInstalledSampler& s) { s.SetName("Other"); }, true},
    };
    for (const Case& c : cases) {
        CInstalledSampler a(Type(c.typeId));
        CInstalledSampler b(Type(c.typeId));
        c.change(b);
        EXPECT_EQ(a.IsIdenticalTo(b), c.identical) << c.typeId;
    }
    EXPECT_FALSE(CInstalledSampler(Type(4000)).IsIdenticalTo(CInstalledSampler(Type(4010))));
}

TEST_F(SamplerModelTest, RemovingDoublesAndSamplersKeepsTheSelectionOnItsSampler)
{
    CInstalledSamplerList list;
    list.InstallPseudoSamplers(types);
    ASSERT_EQ(list.Count(), 5);
    EXPECT_EQ(list.At(3).Type().TypeId(), CPseudoSamplerClass::kMixman);
    for (std::uint32_t id : {4000u, 1000u, 4000u, 2000u, 1000u})
        list.Add(MakeSampler(types, id));
    list.Select(9);  // the second K2000
    list.RemoveDoubles();
    ASSERT_EQ(list.Count(), 8);
    EXPECT_EQ(list.Selected()->Type().TypeId(), 1000u);
    EXPECT_EQ(list.SelectedIndex(), 6);

    list.Select(7);  // the S-760
    list.RemoveAt(5);
    EXPECT_EQ(list.Selected()->Type().TypeId(), 2000u);
    list.RemoveAt(list.SelectedIndex());
    EXPECT_EQ(list.Selected()->Type().TypeId(), 1000u);
    list.Select(200);
    EXPECT_EQ(list.SelectedIndex(), 0);
}

TEST_F(SamplerModelTest, TransmitMenuTexts)
{
    const std::pair<std::uint32_t, const char*> cases[] = {
        {CPseudoSamplerClass::kNewWindow, "Open Slices in New Windows"},
        {CPseudoSamplerClass::kSampleCell, "Export as SampleCell"},
        {CPseudoSamplerClass::kSoundFont, "Export as SoundFont File"},
        {CPseudoSamplerClass::kMixman, "Export as Mixman TRK File"},
        {CPseudoSamplerClass::kSFZKit, "Export as SFZ Kit"},
        {4000, "Transmit to My S1000 via MIDI"},
        {2000, "Transmit to My S-760 via MIDI"},
    };
    for (const auto& [typeId, text] : cases)
        EXPECT_EQ(TransmitMenuText(CInstalledSampler(Type(typeId))), text) << typeId;
}

TEST_F(SamplerModelTest, PseudoSamplersTransmitToTheirDestinations)
{
    struct Host : CABCTransmitHost {
        std::vector<std::string> calls;
        void OpenSlicesInNewWindows(const CInstalledSampler&) override { calls.push_back("windows"); }
        void ExportSFZKit() override { calls.push_back("sfz"); }
        void ExportSampleCell(const CInstalledSampler&) override { calls.push_back("samplecell"); }
        void ExportSoundFont(const CInstalledSampler&) override { calls.push_back("soundfont"); }
        void ExportMixman(const CInstalledSampler&) override { calls.push_back("mixman"); }
        void TransmitToSampler(CInstalledSampler&) override { calls.push_back("sampler"); }
    } host;
    for (const std::uint32_t typeId : {CPseudoSamplerClass::kNewWindow, CPseudoSamplerClass::kSFZKit,
                                       CPseudoSamplerClass::kSampleCell, CPseudoSamplerClass::kSoundFont,
                                       CPseudoSamplerClass::kMixman}) {
        CInstalledSampler sampler(Type(typeId));
        Type(typeId).Transmit(sampler, host);
    }
    EXPECT_EQ(host.calls, (std::vector<std::string>{"windows", "sfz", "samplecell", "soundfont", "mixman"}));
}

TEST_F(SamplerModelTest, HardwareVerificationStoresTheFoundVersion)
{
    CInstalledSampler sampler(Type(4000));
    EXPECT_FALSE(Type(4000).Verify(sampler));
    identification.answers[4000] = CVersion(4, 40);
    EXPECT_TRUE(Type(4000).Verify(sampler));
    EXPECT_EQ(sampler.FoundOS(), CVersion(4, 40));
    CInstalledSampler window(Type(1));
    EXPECT_TRUE(Type(1).Verify(window));
    EXPECT_EQ(identification.asked, 2);
}
