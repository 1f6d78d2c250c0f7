// quillet-cli export end to end, and documents as input to slice and export.
#include <gtest/gtest.h>

#include <sstream>

#include "document/export/DocumentFile.h"
#include "framework/files/CFileSpec.h"
#include "tests/cli/CliRunner.h"
#include "tests/support/LoopFixture.h"
#include "tests/support/SoundFontReader.h"

namespace {

class CliExportTest : public CliFolderTest {
protected:
    // A saved document: 100 locked slice points 400 frames apart, one bar of 4/4.
    void SetUp() override {
        std::vector<std::uint32_t> positions;
        for (std::uint32_t i = 0; i < 100; ++i) positions.push_back(i * 400);
        auto document = MakeLoop(40000, 44100, positions);
        WriteDocument(CFileSpec(Path("Funky.qlt")), *document);
    }
};

}  // namespace

TEST_F(CliExportTest, WritesEveryOutputInOneRun) {
    const CliRun run = RunCli("export " + Quoted("Funky.qlt") + " --sensitivity 700 --force --save " + Quoted("Copy.qlt") +
                              " --slx " + Quoted("Funky.slx") + " --midi " + Quoted("Funky.mid") + " --slices " +
                              Quoted("slices") + " --type wav");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(std::filesystem::exists(Path("Copy.qlt")));
    EXPECT_TRUE(std::filesystem::exists(Path("Funky.slx")));
    EXPECT_TRUE(std::filesystem::exists(Path("slices/Funky #100.wav")));
    EXPECT_FALSE(std::filesystem::exists(Path("slices/Funky #101.wav")));
    const std::string csv = RunCommand("midicsv " + Quoted("Funky.mid"));
    // The 92nd slice, frames 36400 to 36800 of the one-bar loop, on the last key.
    EXPECT_NE(csv.find("2, 3494, Note_on_c, 0, 127, 127"), std::string::npos) << csv;
    EXPECT_NE(csv.find("2, 3532, Note_on_c, 0, 127, 0"), std::string::npos) << csv;
}

TEST_F(CliExportTest, DocumentsKeepTheirSlicingAndTakeNewSettings) {
    ASSERT_EQ(RunCli("export " + Quoted("Funky.qlt") + " --bars 2 --stretch 13 --save " + Quoted("Two.qlt")).status, 0);
    const CliRun run = RunCli("slice " + Quoted("Two.qlt") + " --json");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Python(run.out, "j['frames'], j['tempo']"), "40000 529200\n");  // 2 bars in 40000 frames
    EXPECT_EQ(Python(run.out, "[(s['level'], s['state']) for s in j['slices'] if s['position'] == 39600]"),
              "[(16384, 2)]\n");
}

TEST_F(CliExportTest, AFailedExportNamesItsFileAndAlert) {
    const CliRun run = RunCli("export " + Quoted("Funky.qlt") + " --force --slx " + Quoted("missing/Funky.slx") +
                              " --midi " + Quoted("Funky.mid"));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("missing/Funky.slx: Failed exporting SLX file! You may have run out of memory or disk space."),
              std::string::npos)
        << run.err;
    EXPECT_TRUE(std::filesystem::exists(Path("Funky.mid")));
}

namespace {

// Prints each region of an SFZ file with the opcodes it inherits from
// <global> and <group>: "key loop_mode transpose tune|sample". Comments run
// from "//" to the end of a line; a value runs to the next opcode, as sample
// names may hold blanks.
const char* const kSFZRegions = R"(
import re, sys
text = re.sub(r'//[^\n]*', '', open(sys.argv[1]).read())
common, group = {}, {}
for header, body in re.findall(r'<(\w+)>([^<]*)', text):
    opcodes = dict(re.findall(r'(\w+)=(.*?)(?=\s+\w+=|\s*$)', body, re.S))
    if header == 'global': common = group = opcodes
    elif header == 'group': group = {**common, **opcodes}
    elif header == 'region':
        r = {**group, **opcodes}
        print(f"{r.get('key')} {r.get('loop_mode')} {r.get('transpose')} {r.get('tune')}|{r.get('sample')}")
)";

}  // namespace

TEST_F(CliExportTest, MarkedLoopCarriesItsSlicesForOtherReadersAndOpensWithThem) {
    for (const std::string name : {"Marked.wav", "Marked.aif"}) {
        const CliRun run = RunCli("export " + Quoted("Funky.qlt") + " --left 400 --right 36000 --marked " + Quoted(name));
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(RunCommand("soxi -s " + Quoted(name)), "40000\n") << name;
        const std::string info = RunCommand("sndfile-info " + Quoted(name));
        if (name == "Marked.wav") {
            EXPECT_NE(info.find("Count : 100"), std::string::npos) << info;
            EXPECT_NE(info.find("labl : 1 : Slice 1\n"), std::string::npos) << info;
            EXPECT_NE(info.find("Start :   400  End : 35999"), std::string::npos) << info;
        } else {
            EXPECT_NE(info.find("Count : 102"), std::string::npos) << info;  // the loop's two and the slices
            EXPECT_NE(info.find("Position : 400\n   Name     : Slice 2"), std::string::npos) << info;
            EXPECT_NE(info.find("mode  : 801 => forward"), std::string::npos) << info;
        }
        const CliRun back = RunCli("slice " + Quoted(name) + " --json");
        ASSERT_EQ(back.status, 0) << back.err;
        EXPECT_EQ(Python(back.out, "len(j['slices']), j['slices'][99]['position'], "
                                   "set(s['state'] for s in j['slices']), j['left'], j['right']"),
                  "100 39600 {2} 400 36000\n")
            << name;
    }
}

TEST_F(CliExportTest, SFZKitMapsEverySliceFileOntoItsKey) {
    const CliRun run = RunCli("export " + Quoted("Funky.qlt") + " --force --pitch-mode --bars 1 --new-tempo 140 --sfz " +
                              Quoted("kit"));
    ASSERT_EQ(run.status, 0) << run.err;
    std::istringstream regions(RunPython(kSFZRegions, Path("kit/Funky.sfz")));
    int count = 0;
    for (std::string region; std::getline(regions, region); ++count) {
        // One bar over 40000 frames is 264.6 BPM; to 140 BPM is -1102 cents.
        EXPECT_EQ(region.substr(0, region.find('|')), std::to_string(36 + count) + " one_shot -11 -2");
        const std::string sample = region.substr(region.find('|') + 1);
        EXPECT_EQ(RunCommand("soxi -s " + Quoted("kit/" + sample)), "400\n") << sample;
    }
    EXPECT_EQ(count, 92);
    EXPECT_FALSE(std::filesystem::exists(Path("kit/Funky #093.wav")));
}

TEST_F(CliExportTest, SamplerFilesWithTheirNamesAndLimits) {
    const CliRun run = RunCli("export " + Quoted("Funky.qlt") + " --force --sf2 " + Quoted("Funky.sf2") +
                              " --bank-name Breaks --trk " + Quoted("Funky.trk") + " --samplecell " + Quoted("cell"));
    ASSERT_EQ(run.status, 0) << run.err;
    const SoundFontBankContents bank = ReadSoundFontBank(ReadFileBytes(Path("Funky.sf2")));
    EXPECT_EQ(bank.presets, std::vector<std::string>{"Breaks"});
    EXPECT_EQ(bank.samples.size(), 92u);
    EXPECT_EQ(bank.samples[0].name, "Breaks 1");
    const std::vector<std::uint8_t> track = ReadFileBytes(Path("Funky.trk"));
    EXPECT_EQ(track[0], 8);
    EXPECT_TRUE(std::filesystem::exists(Path("cell/Funky.ins")));
    EXPECT_TRUE(std::filesystem::exists(Path("cell/Funky060.wav")));
    EXPECT_FALSE(std::filesystem::exists(Path("cell/Funky061.wav")));
}

TEST_F(CliExportTest, RefusedExportsEndInTheWindowsAlertsAndWriteNothing) {
    struct Case {
        std::string arguments;
        std::string error;
        std::string unwritten;
    };
    WriteFileBytes(Path("bad.ins"), {'R', 'I', 'F', 'F'});
    auto silent = MakeLoop(8000, 44100, {0, 4000});
    silent->Slices().SelectAll();
    silent->Settings().silenceSelected = true;
    WriteDocument(CFileSpec(Path("Silent.qlt")), *silent);
    const Case cases[] = {
        {" --midi " + Quoted("g.mid"), "Too many slices! Only the first 92 slices fit in the MIDI file", "g.mid"},
        {" --sf2 " + Quoted("Funky.sf2"), "Only the first 92 slices fit in the SoundFont bank; give --force", "Funky.sf2"},
        {" --signature 3/4 --trk " + Quoted("a.trk"), "Time signature is not 4/4!", "a.trk"},
        {" --force --samplecell " + Quoted("cell") + " --template " + Quoted("bad.ins"),
         "Can't read SampleCell Template file! The file may be damaged.", "cell/Funky.ins"},
        {" --sf2 " + Quoted("b.sf2"), "No slices to export!", "b.sf2"},
    };
    for (const Case& c : cases) {
        const bool silenced = c.unwritten == "b.sf2";
        const CliRun run = RunCli("export " + Quoted(silenced ? "Silent.qlt" : "Funky.qlt") + c.arguments);
        EXPECT_EQ(run.status, 1) << c.arguments << run.err;
        EXPECT_NE(run.err.find(c.error), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(Path(c.unwritten))) << c.unwritten;
    }
}
