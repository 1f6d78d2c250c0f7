// The batch tool over many files: results in input order, outputs per input,
// the refusals that keep a run from writing over what it reads, the messages
// of failures and the fields of its JSON.
#include <gtest/gtest.h>

#include <filesystem>

#include "formats/sound/AIFFFile.h"
#include "framework/files/CFileSpec.h"
#include "slicing/synth/CDrumLoopSynthesizer.h"
#include "tests/cli/CliRunner.h"

namespace fs = std::filesystem;

namespace {

class CliBatchTest : public CliFolderTest {
protected:
    void SetUp() override {
        // Four kicks a beat apart at 120 BPM: one bar of 4/4.
        const DrumLoop loop = CDrumLoopSynthesizer(44100).Render(
            {{0, DrumVoice::Kick}, {22050, DrumVoice::Kick}, {44100, DrumVoice::Kick}, {66150, DrumVoice::Kick}}, 88200);
        for (const char* name : {"a.aif", "b.aif", "c.aif"}) WriteStereoAIFF(CFileSpec(Path(name)), loop.rate, loop.Interleaved());
    }
};

}  // namespace

TEST_F(CliBatchTest, JsonOfManyFilesIsOneArrayInInputOrderWithFailedFilesInPlace) {
    WriteFileBytes(Path("bad.wav"), std::vector<std::uint8_t>(64, 'x'));
    const CliRun run = RunCli("slice " + Quoted("c.aif") + " " + Quoted("bad.wav") + " " + Quoted("a.aif") +
                              " -j 2 --json --sensitivity 990");
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(Python(run.out, "[e['file'].split('/')[-1] for e in j]"), "['c.aif', 'bad.wav', 'a.aif']\n");
    EXPECT_EQ(Python(run.out, "j[1]['error']"), "Couldn't load sound file! The file is in an unknown format or corrupt.\n");
    EXPECT_EQ(Python(run.out, "j[0]['schema'], j[0]['channels'], j[0]['bits'], j[0]['channel'], j[0]['bars'], "
                              "j[0]['beats'], j[0]['signature'], j[0]['bpm']"),
              "2 2 16 left 1 0 4/4 120.0\n");
    EXPECT_EQ(Python(run.out, "[(s['end'], s['seconds'], s['at']) for s in j[2]['slices']]"),
              "[(22048, 0.0, '1.1.1'), (44098, 0.499, '1.2.1'), (66148, 0.999, '1.3.1'), (88200, 1.499, '1.4.1')]\n");
}

TEST_F(CliBatchTest, InfoTakesManyFilesAndFailsOnWhatSliceWouldRefuse) {
    RunCommand("sox -n -r 44100 -b 24 '" + Path("deep.wav") + "' synth 0.2 sine 440");
    const CliRun run = RunCli("info " + Quoted("a.aif") + " " + Quoted("deep.wav") + " " + Quoted("missing.wav") + " --json");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(Python(run.out, "j[0]['frames'], j[1]['bits'], j[1]['error'], 'error' in j[0]"),
              "88200 24 Quillet! only supports 16-bit audio files. False\n");
    EXPECT_NE(run.err.find(Path("missing.wav") + ": File not found. (No such file or directory)\n"), std::string::npos)
        << run.err;
    const CliRun folder = RunCli("info " + Quoted(""));
    EXPECT_NE(folder.err.find("(Is a directory)"), std::string::npos) << folder.err;
}

TEST_F(CliBatchTest, OutDirWritesEveryOutputOfEveryInput) {
    const CliRun run = RunCli("export " + Quoted("a.aif") + " " + Quoted("b.aif") + " --out-dir " + Quoted("out") +
                              " --save --slx --midi --slices --type wav --sensitivity 990 --quiet");
    ASSERT_EQ(run.status, 0) << run.err;
    for (const char* name : {"a", "b"}) {
        for (const char* extension : {".qlt", ".slx", ".mid"})
            EXPECT_TRUE(fs::exists(folder_ / "out" / (std::string(name) + extension))) << name << extension;
        EXPECT_EQ(RunCommand("soxi -s '" + Path(std::string("out/") + name + "/" + name + " #004.wav") + "'"), "22051\n");
    }
}

TEST_F(CliBatchTest, RefusesOutputsThatAreInputsOrEachOtherBeforeWritingAnything) {
    const auto before = ReadFileBytes(Path("a.aif"));
    fs::create_directory(folder_ / "sub");
    WriteFileBytes(Path("sub/a.aif"), before);
    fs::create_hard_link(Path("a.aif"), Path("link.aif"));
    fs::copy_file(Path("a.aif"), Path("x #001.aif"));
    const std::string a = "export " + Quoted("a.aif");
    for (const std::string& arguments : {a + " --save " + Quoted("a.aif"), a + " --midi " + Quoted("a.aif"),
                                         a + " --save " + Quoted("link.aif"), a + " --save " + Quoted("./x/../a.aif"),
                                         a + " --save " + Quoted("x.qlt") + " --slx " + Quoted("x.qlt"),
                                         a + " " + Quoted("sub/a.aif") + " --out-dir " + Quoted("o") + " --save",
                                         "export " + Quoted("x #001.aif") + " --save " + Quoted("d.qlt") + " --slices " +
                                             Quoted("") + " --base x",
                                         a + " --bars 0 --beats 0 --midi " + Quoted("g.mid") + " --save " + Quoted("s.qlt")}) {
        const CliRun run = RunCli(arguments);
        EXPECT_EQ(run.status, 2) << arguments << ": " << run.err;
        EXPECT_EQ(ReadFileBytes(Path("a.aif")), before) << arguments;
    }
    for (const char* unwritten : {"x.qlt", "d.qlt", "g.mid", "s.qlt", "o"}) EXPECT_FALSE(fs::exists(folder_ / unwritten)) << unwritten;
}

TEST_F(CliBatchTest, WriteFailuresSayWhyAfterTheAlert) {
    const CliRun run = RunCli("export " + Quoted("a.aif") + " --save " + Quoted("missing/a.qlt"));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, Path("missing/a.qlt") +
                           ": Failed saving Quillet! document! You may have run out of memory or disk space. "
                           "(No such file or directory)\n");
}

TEST_F(CliBatchTest, NamesThatAreNotUTF8StayValidJson) {
    const std::string latin1 = Path("caf\xE9.aif");
    fs::copy_file(Path("a.aif"), latin1);
    const CliRun run = RunCli("slice '" + latin1 + "' --json");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Python(run.out, "j['name']"), "caf\xEF\xBF\xBD.aif\n");
}

TEST_F(CliBatchTest, EveryCommandHelpsWithItsOptionsAndTheExitStatus) {
    for (const char* command : {"info", "slice", "export"}) {
        const CliRun run = RunCli(std::string(command) + " --help");
        EXPECT_EQ(run.status, 0);
        EXPECT_NE(run.out.find("Exit status: 0"), std::string::npos) << command;
        EXPECT_NE(run.out.find("--jobs"), std::string::npos) << command;
    }
    EXPECT_EQ(RunCli("--version").out, "quillet-cli 1.0.0\n");
    EXPECT_EQ(RunCli("slice --sensitivity=990 -- " + Quoted("a.aif")).status, 0);
}
