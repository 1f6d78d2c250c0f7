// quillet-cli export end to end, and documents as input to slice and export.
#include <gtest/gtest.h>

#include <map>
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

struct SFZRegion {
    std::string sample;
    int key = -1;
    std::string loopMode;  // from the <global> header when the region has none
    std::string transpose;
    std::string tune;
};

// The regions of an SFZ file with the opcodes they inherit from <global> and
// <group>: headers in angle brackets, opcode=value pairs, "//" comments. A
// sample's value runs to the end of its line, as names may hold blanks.
std::vector<SFZRegion> ParseSFZ(const std::string& text) {
    std::map<std::string, std::string> global, group, region;
    std::map<std::string, std::string>* level = nullptr;
    std::vector<std::map<std::string, std::string>> regions;
    std::istringstream lines(text);
    std::string line;
    const auto finish = [&] {
        if (level == &region) regions.push_back(region);
    };
    while (std::getline(lines, line)) {
        line = line.substr(0, line.find("//"));
        std::istringstream words(line);
        std::string word;
        while (words >> word) {
            if (word.front() == '<') {
                finish();
                level = word == "<global>" ? &global : word == "<group>" ? &group : &region;
                if (level == &group) group = global;
                if (level == &region) region = group;
                continue;
            }
            const auto equals = word.find('=');
            if (equals == std::string::npos || level == nullptr) continue;
            const std::string opcode = word.substr(0, equals);
            std::string value = word.substr(equals + 1);
            if (opcode == "sample") {
                std::string rest;
                std::getline(words, rest);
                value += rest;
            }
            (*level)[opcode] = value;
        }
    }
    finish();
    std::vector<SFZRegion> parsed;
    for (auto& r : regions)
        parsed.push_back({r["sample"], r.count("key") ? std::stoi(r["key"]) : -1, r["loop_mode"], r["transpose"], r["tune"]});
    return parsed;
}

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
    const auto bytes = ReadFileBytes(Path("kit/Funky.sfz"));
    const std::vector<SFZRegion> regions = ParseSFZ(std::string(bytes.begin(), bytes.end()));
    ASSERT_EQ(regions.size(), 92u);
    for (std::size_t i = 0; i < regions.size(); ++i) {
        EXPECT_EQ(regions[i].key, 36 + static_cast<int>(i));
        EXPECT_EQ(regions[i].loopMode, "one_shot");
        // One bar over 40000 frames is 264.6 BPM; to 140 BPM is -1102 cents.
        EXPECT_EQ(regions[i].transpose + " " + regions[i].tune, "-11 -2");
        EXPECT_EQ(RunCommand("soxi -s " + Quoted("kit/" + regions[i].sample)), "400\n") << regions[i].sample;
    }
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
