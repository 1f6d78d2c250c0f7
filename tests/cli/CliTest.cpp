// The batch tool end to end: its output, its JSON, its exit codes and error lines.
#include <gtest/gtest.h>

#include <algorithm>

#include "devices/midi/CMIDIPortLists.h"
#include "devices/scsi/CSCSIBusTable.h"
#include "devices/sound/CSoundCardRegistry.h"
#include "devices/system/CSystemInformation.h"
#include "formats/sound/AIFFFile.h"
#include "framework/files/CFileSpec.h"
#include "slicing/synth/CDrumLoopSynthesizer.h"
#include "tests/cli/CliRunner.h"

namespace {

class CliTest : public testing::Test {
protected:
    void SetUp() override {
        // Four kicks a beat apart at 120 BPM on the left, silence on the right.
        DrumLoop loop = CDrumLoopSynthesizer(44100).Render(
            {{0, DrumVoice::Kick}, {22050, DrumVoice::Kick}, {44100, DrumVoice::Kick}, {66150, DrumVoice::Kick}}, 88200);
        loop.right.assign(loop.right.size(), 0);
        WriteStereoAIFF(CFileSpec(Loop()), loop.rate, loop.Interleaved());
    }
    std::string Loop() const { return (folder_ / "kicks.aif").string(); }

    CTempFolder folder_;
};

}  // namespace

TEST_F(CliTest, InfoPrintsNameRateChannelsFramesAndLength) {
    const CliRun run = RunCli("info " + Loop());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("kicks.aif"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("44100 Hz"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("channels: 2"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("frames:   88200"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("2.000 s"), std::string::npos) << run.out;
}

TEST_F(CliTest, SliceJsonHoldsTheWholeSliceListAndTheTempo) {
    const CliRun run = RunCli("slice " + Loop() + " --bars 1 --signature 4/4 --sensitivity 990 --json");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Python(run.out, "j['name'], j['rate'], j['frames'], j['left'], j['right'], j['sensitivity'], j['threshold']"),
              "kicks.aif 44100 88200 0 88200 990 295\n");
    EXPECT_EQ(Python(run.out, "j['tempo']"), "120000\n");
    EXPECT_EQ(Python(run.out, "[s['position'] for s in j['slices']]"), "[0, 22049, 44099, 66149]\n");
    EXPECT_EQ(Python(run.out, "all(s['shown'] and s['counted'] and s['state'] == 0 and 0 < s['level'] <= 32767 "
                              "for s in j['slices'])"),
              "True\n");
}

TEST_F(CliTest, SliceTakesTheChosenChannelAndTheLocators) {
    const CliRun right = RunCli("slice " + Loop() + " --channel right --json");
    ASSERT_EQ(right.status, 0) << right.err;
    EXPECT_EQ(Python(right.out, "len(j['slices'])"), "0\n");
    const CliRun locators = RunCli("slice " + Loop() + " --left 22049 --right 66149 --bars 0 --beats 2 --json");
    ASSERT_EQ(locators.status, 0) << locators.err;
    EXPECT_EQ(Python(locators.out, "j['left'], j['right'], j['tempo']"), "22049 66149 120000\n");
}

TEST_F(CliTest, SliceTablePrintsTempoAndOneRowPerEntry) {
    const CliRun run = RunCli("slice " + Loop() + " --bars 1 --sensitivity 990");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("tempo: 120.000 BPM"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("4 slices from 4 attacks"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("1.4.1"), std::string::npos) << run.out;  // the fourth kick, on beat 4
}

TEST_F(CliTest, BadFilesEndInOneLineWithTheAlertsWordsAndStatusOne) {
    const std::string broken = (folder_ / "broken.aif").string();
    WriteFileBytes(broken, std::vector<std::uint8_t>(100, 'x'));
    CliRun run = RunCli("slice " + broken);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, broken + ": Couldn't load sound file! The file is in an unknown format or corrupt.\n");
    EXPECT_TRUE(run.out.empty());

    run = RunCli("info " + (folder_ / "missing.aif").string());
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.rfind((folder_ / "missing.aif").string() + ": ", 0), 0u) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1);
}

TEST_F(CliTest, UsageErrorsExitWithTwoAndAUsageLine) {
    for (const std::string& arguments :
         std::vector<std::string>{"slice", "slice " + Loop() + " --signature 9/8", "slice " + Loop() + " --bars 667",
                                  "slice " + Loop() + " --wobble", "info", "frobnicate x",
                                  "slice " + Loop() + " --left 500 --right 400"}) {
        const CliRun run = RunCli(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_NE(run.err.find("usage: quillet-cli"), std::string::npos) << arguments << ": " << run.err;
    }
    // Locators past the end of one sound refuse that file.
    for (const char* locator : {"--right 88201", "--left 88200"}) {
        const CliRun run = RunCli("slice " + Loop() + " " + locator);
        EXPECT_EQ(run.status, 2) << locator;
        EXPECT_NE(run.err.find("past the end of the sound (88200 frames)"), std::string::npos) << run.err;
    }
    const CliRun help = RunCli("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("usage: quillet-cli slice FILE"), std::string::npos) << help.out;
}

TEST_F(CliTest, SysinfoPrintsWhatTheWindowProgramShows) {
    const CliRun run = RunCli("sysinfo");
    ASSERT_EQ(run.status, 0) << run.err;
    CMIDIPortLists ports;
    CSCSIBusTable buses;
    ports.ListPortsFromEnvironment();
    buses.ListBusesFromEnvironment();
    EXPECT_EQ(run.out, CSystemInformation::Gather("/", CSoundCardRegistry::StandInsFromEnvironment(), ports, buses).Text());
    const CliRun extra = RunCli("sysinfo --json");
    EXPECT_EQ(extra.status, 2);
    EXPECT_NE(extra.err.find("unexpected argument --json"), std::string::npos) << extra.err;
}

TEST_F(CliTest, SamplersListsTheSupportedTypesInTheirOrder) {
    const CliRun run = RunCli("samplers --json");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Python(run.out, "len(j), j[0], j[4], j[32]['transport'], j[35]['family'], j[39]"),
              "40 {'name': 'New Window', 'family': 'pseudo', 'transport': 'window'} "
              "{'name': 'AKAI S1000 via MIDI', 'family': 'akai', 'transport': 'midi'} midi+scsi roland "
              "{'name': 'MIDI Sample Dump Standard via MIDI', 'family': 'sds', 'transport': 'midi'}\n");
    EXPECT_EQ(Python(run.out, "sorted(set(s['transport'] for s in j))"),
              "['file', 'midi', 'midi+scsi', 'scsi', 'window']\n");
    const CliRun table = RunCli("samplers");
    EXPECT_EQ(std::count(table.out.begin(), table.out.end(), '\n'), 40);
    EXPECT_LT(table.out.find("E-mu EOS Sampler via SCSI"), table.out.find("E-mu ESI-32 via SCSI"));
}

TEST_F(CliTest, FindListsTheSimulatedSamplersThatAnswer) {
    setenv("QUILLET_SIMULATED_SAMPLERS", "kurzweil,emu", 1);
    const CliRun run = RunCli("find --json");
    setenv("QUILLET_SIMULATED_SAMPLERS", "akai,theremin", 1);
    const CliRun unknown = RunCli("find");
    unsetenv("QUILLET_SIMULATED_SAMPLERS");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Python(run.out, "[(s['type'], s.get('port'), s.get('bus'), s['id'], s['os_version']) for s in j]"),
              "[('Kurzweil K2000 via MIDI', 'Simulated Kurzweil K2000', None, 0, 'V3.87'), "
              "('Kurzweil K2000 via MIDI+SCSI', 'Simulated Kurzweil K2000', 'Simulated SCSI bus', 0, 'V3.87'), "
              "('E-mu E4X via SCSI', None, 'Simulated SCSI bus', 5, 'V4.10')]\n");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.err, "quillet-cli find: QUILLET_SIMULATED_SAMPLERS names no sampler family called \"theremin\"\n");
}
