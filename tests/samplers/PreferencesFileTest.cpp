// The preferences file through the program's eyes: what one run writes the
// next reads back byte for byte, and a damaged or unwritable file costs no
// more than the part that is damaged.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "devices/sound/CSoundChannel.h"
#include "framework/exceptions/GeneralExceptions.h"
#include "samplers/model/CPseudoSamplerClass.h"
#include "samplers/preferences/CQuilletPreferencesFile.h"
#include "samplers/preferences/QuilletPreferences.h"
#include "tests/support/SamplerTestRig.h"
#include "tests/support/AlertRecorder.h"
#include "tests/support/FileTestSupport.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// Where the data of the first chunk named id starts.
std::size_t DataOf(const Bytes& file, const char* id)
{
    const auto found = std::search(file.begin(), file.end(), id, id + 4);
    return found == file.end() ? 0 : static_cast<std::size_t>(found - file.begin()) + 8;
}

class PreferencesFileTest : public ::testing::Test {
protected:
    CTempFolder folder;
    CQuilletPreferencesFile file{(folder / "Quillet Preferences.prf").string()};
    AlertRecorder alerts;

    // A run that changed everything: the second card at 48 kHz with
    // play-ahead 5, every setting, the colours, and two samplers with the
    // K2000 selected.
    void Change(FakePreferencesEnvironment& environment, QuilletPreferences& preferences)
    {
        environment.sound.SetOutputRate(48000);
        environment.sound.OpenCard(1);
        environment.sound.Channel()->SetPlayAheadSetting(5);
        preferences.application.SetContrast(99);
        preferences.application.SetLook(0);
        preferences.application.SetShowOpenDialogOnStartup(false);
        preferences.defaultDocument.SetStretch(7);
        preferences.customColours[3] = {1, 2, 3};
        preferences.samplers.InstallPseudoSamplers(environment.types);
        preferences.samplers.Add(MakeSampler(environment.types, 4000));
        auto k2000 = MakeSampler(environment.types, 1002);
        k2000->SetMIDIOut(1);
        k2000->SetSCSIID(6);
        preferences.samplers.Select(preferences.samplers.Add(std::move(k2000)));
    }

    Bytes SavedByAChangedRun()
    {
        FakePreferencesEnvironment environment;
        QuilletPreferences preferences;
        Change(environment, preferences);
        file.Save(preferences, environment);
        return ReadFileBytes(file.Path());
    }

    // Reads the file in a fresh run.
    struct Run {
        FakePreferencesEnvironment environment;
        QuilletPreferences preferences;
        bool loaded = false;
    };
    std::unique_ptr<Run> Load(const Bytes& bytes)
    {
        WriteFileBytes(file.Path(), bytes);
        auto run = std::make_unique<Run>();
        run->loaded = file.Load(run->preferences, run->environment);
        return run;
    }
};

}  // namespace

TEST_F(PreferencesFileTest, WhatOneRunWritesTheNextReadsAndWritesAgainByteForByte)
{
    const Bytes saved = SavedByAChangedRun();
    ASSERT_EQ(saved.size(), 12 + (8 + 204) + (8 + 18) + (8 + 8) + (8 + 100) + 12 + 2 * (8 + 344));

    std::unique_ptr<Run> run = Load(saved);
    ASSERT_TRUE(run->loaded);
    EXPECT_TRUE(alerts.shown.empty());
    EXPECT_EQ(run->environment.sound.OutputRate(), 48000u);
    EXPECT_EQ(run->environment.sound.Channel()->GetPlayAheadSetting(), 5);
    EXPECT_EQ(run->preferences.application.Contrast(), 99);
    EXPECT_EQ(run->preferences.customColours[3], (CColorTablePreferences::Entry{1, 2, 3}));
    ASSERT_EQ(run->preferences.samplers.Count(), 7);
    EXPECT_EQ(run->preferences.samplers.Selected()->Type().TypeId(), 1002u);
    EXPECT_EQ(run->preferences.samplers.Selected()->SCSIID(), 6);
    EXPECT_EQ(run->environment.verifications, 1);
    EXPECT_TRUE(run->environment.pausedDuringVerification);

    file.Save(run->preferences, run->environment);
    EXPECT_EQ(ReadFileBytes(file.Path()), saved);

    // An independent reader sees the layout: python walks the IFF groups.
    const std::string layout = RunCommand(
        "python3 -c \"import struct,sys\n"
        "def walk(b,o,e,d):\n"
        " while o<e:\n"
        "  i=b[o:o+4].decode();n=struct.unpack('>I',b[o+4:o+8])[0]\n"
        "  if i=='CAT ':\n"
        "   print(d+i+b[o+8:o+12].decode());walk(b,o+12,o+8+n,d+' ')\n"
        "  else: print(d+i,n)\n"
        "  o+=8+n+(n&1)\n"
        "b=open(sys.argv[1],'rb').read();walk(b,0,len(b),'')\" '" + file.Path() + "'");
    EXPECT_EQ(layout, "CAT PREF\n PSNP 204\n PARP 17\n PDDP 7\n PCOL 99\n CAT ISRG\n  SPLR 343\n  SPLR 343\n");
}

TEST_F(PreferencesFileTest, NoFileIsAFirstStart)
{
    FakePreferencesEnvironment environment;
    QuilletPreferences preferences;
    EXPECT_FALSE(file.Load(preferences, environment));
    EXPECT_TRUE(alerts.shown.empty());
}

TEST_F(PreferencesFileTest, FailedSaveKeepsTheOldFileAndReports)
{
    const Bytes saved = SavedByAChangedRun();
    FakePreferencesEnvironment environment;
    QuilletPreferences preferences;
    Change(environment, preferences);
    environment.connections.onNameAsked = [] { throw XWrite(); };
    EXPECT_THROW(file.Save(preferences, environment), XWrite);
    EXPECT_TRUE(alerts.Shown(Res::kAlertPreferencesNotWritten));
    EXPECT_EQ(ReadFileBytes(file.Path()), saved);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST_F(PreferencesFileTest, DamagedPartKeepsItsDefaultsAndTheOthersAreRead)
{
    const Bytes saved = SavedByAChangedRun();
    struct Case {
        const char* name;
        const char* chunk;
        std::size_t offset;
        std::uint8_t value;
        std::function<void(Run&)> check;
    };
    const Case cases[] = {
        {"look 7", "PARP", 11, 7,
         [](Run& run) {
             EXPECT_EQ(run.preferences.application.Contrast(), 50);
             EXPECT_EQ(run.preferences.samplers.SelectedIndex(), 0);
             EXPECT_EQ(run.preferences.defaultDocument.Stretch(), 7);
         }},
        {"contrast 200", "PARP", 15, 200,
         [](Run& run) { EXPECT_TRUE(run.preferences.application.ShowOpenDialogOnStartup()); }},
        {"stretch 20", "PDDP", 5, 20,
         [](Run& run) {
             EXPECT_EQ(run.preferences.defaultDocument.Stretch(), 0);
             EXPECT_EQ(run.preferences.application.Contrast(), 99);
         }},
        {"rate 48001", "PSNP", 203, 0x81,
         [](Run& run) {
             EXPECT_EQ(run.environment.sound.OutputRate(), 44100u);
             EXPECT_TRUE(run.environment.sound.IsAvailable());
         }},
        {"play-ahead 600", "PSNP", 197, 2,
         [](Run& run) { EXPECT_EQ(run.environment.sound.OutputRate(), 48000u); }},
        {"S1000's SCSI ID 9", "SPLR", 235, 9,
         [](Run& run) {
             ASSERT_EQ(run.preferences.samplers.Count(), 6);
             EXPECT_EQ(run.preferences.samplers.Selected()->Type().TypeId(), 1002u);
         }},
        {"S1000's SysEx ID 200", "SPLR", 236, 200,
         [](Run& run) { EXPECT_EQ(run.preferences.samplers.Count(), 6); }},
    };
    for (const Case& damage : cases) {
        SCOPED_TRACE(damage.name);
        Bytes bytes = saved;
        bytes[DataOf(bytes, damage.chunk) + damage.offset] = damage.value;
        alerts.shown.clear();
        std::unique_ptr<Run> run = Load(bytes);
        EXPECT_TRUE(run->loaded);
        EXPECT_EQ(alerts.Count(Res::kAlertPreferencesPartlyRead), 1);
        damage.check(*run);
    }
}

TEST_F(PreferencesFileTest, FileWithAByteAfterItsGroupIsRejectedWhole)
{
    Bytes bytes = SavedByAChangedRun();
    bytes.push_back(0);
    std::unique_ptr<Run> run = Load(bytes);
    EXPECT_FALSE(run->loaded);
    EXPECT_TRUE(alerts.Shown(Res::kAlertPreferencesNotRead));
    EXPECT_EQ(run->preferences.application.Contrast(), 50);
    EXPECT_EQ(run->preferences.samplers.Count(), 0);
}

TEST_F(PreferencesFileTest, SelectionFollowsItsSamplerWhenAnEarlierOneIsDropped)
{
    Bytes bytes = SavedByAChangedRun();
    bytes[DataOf(bytes, "SPLR") + 1] = 0x0F;  // the S1000's type id becomes 4015, unknown
    std::unique_ptr<Run> run = Load(bytes);
    EXPECT_TRUE(alerts.Shown(Res::kAlertSamplerNotSupported, "My S1000 via MIDI"));
    ASSERT_EQ(run->preferences.samplers.Count(), 6);
    EXPECT_EQ(run->preferences.samplers.Selected()->Type().TypeId(), 1002u);
    EXPECT_EQ(run->preferences.application.CurrentSampler(), 5);

    // A stored index beyond the list selects the first.
    bytes[DataOf(bytes, "PARP") + 9] = 7;
    EXPECT_EQ(Load(bytes)->preferences.samplers.SelectedIndex(), 0);
}

// Files number the first four pseudo-samplers, the stored samplers, then the
// SFZ kit, so that files written before the kit keep their selection.
TEST_F(PreferencesFileTest, StoredSelectionCountsTheSFZKitAfterTheStoredSamplers)
{
    Bytes bytes = SavedByAChangedRun();
    const std::pair<std::uint8_t, std::uint32_t> stored[] = {
        {3, CPseudoSamplerClass::kMixman}, {4, 4000}, {5, 1002}, {6, CPseudoSamplerClass::kSFZKit}, {7, 1}};
    for (const auto& [index, typeId] : stored) {
        bytes[DataOf(bytes, "PARP") + 9] = index;
        EXPECT_EQ(Load(bytes)->preferences.samplers.Selected()->Type().TypeId(), typeId) << int{index};
    }
}

TEST_F(PreferencesFileTest, TheSFZKitStaysSelected)
{
    FakePreferencesEnvironment environment;
    QuilletPreferences preferences;
    Change(environment, preferences);
    preferences.samplers.Select(4);
    ASSERT_EQ(preferences.samplers.Selected()->Type().TypeId(), CPseudoSamplerClass::kSFZKit);
    file.Save(preferences, environment);
    const Bytes saved = ReadFileBytes(file.Path());
    EXPECT_EQ(saved[DataOf(saved, "PARP") + 9], 6);  // after the two stored samplers
    EXPECT_EQ(Load(saved)->preferences.samplers.Selected()->Type().TypeId(), CPseudoSamplerClass::kSFZKit);
}

TEST_F(PreferencesFileTest, SamplersThatCannotBeUsedAreDroppedWithTheirAlerts)
{
    const Bytes saved = SavedByAChangedRun();
    WriteFileBytes(file.Path(), saved);
    Run run;
    run.environment.midi = false;
    run.environment.cancelVerification = true;
    file.Load(run.preferences, run.environment);
    EXPECT_EQ(alerts.Count(Res::kAlertNoMIDI), 1);
    EXPECT_TRUE(alerts.Shown(Res::kAlertSamplerUnusable, "My S1000 via MIDI"));
    EXPECT_TRUE(alerts.Shown(Res::kAlertSamplerUnusable, "My K2000 via MIDI+SCSI"));
    EXPECT_TRUE(alerts.Shown(Res::kAlertVerificationCancelled));
    EXPECT_EQ(run.preferences.samplers.Count(), 5);
}

TEST_F(PreferencesFileTest, RunWithoutSoundOrSamplersWritesNeither)
{
    FakePreferencesEnvironment environment;
    environment.withSound = false;
    QuilletPreferences preferences;
    preferences.samplers.InstallPseudoSamplers(environment.types);
    file.Save(preferences, environment);
    const Bytes saved = ReadFileBytes(file.Path());
    EXPECT_EQ(DataOf(saved, "PSNP"), 0u);
    EXPECT_EQ(DataOf(saved, "ISRG"), 0u);

    std::unique_ptr<Run> run = Load(saved);
    EXPECT_TRUE(alerts.shown.empty());
    EXPECT_EQ(run->preferences.samplers.Count(), 5);
    EXPECT_EQ(run->environment.verifications, 0);
    EXPECT_EQ(run->environment.sound.OutputRate(), 44100u);
    EXPECT_TRUE(run->environment.sound.IsAvailable());
    EXPECT_EQ(run->preferences.customColours[0], CColorTablePreferences::Entry{});
}
