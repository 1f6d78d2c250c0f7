// quillet-cli export end to end, and documents as input to slice and export.
#include <gtest/gtest.h>

#include "document/export/DocumentFile.h"
#include "framework/files/CFileSpec.h"
#include "tests/cli/CliRunner.h"
#include "tests/support/LoopFixture.h"

namespace {

class CliExportTest : public testing::Test {
protected:
    // A saved document: 100 locked slice points 400 frames apart, one bar of 4/4.
    void SetUp() override {
        std::vector<std::uint32_t> positions;
        for (std::uint32_t i = 0; i < 100; ++i) positions.push_back(i * 400);
        auto document = MakeLoop(40000, 44100, positions);
        WriteDocument(CFileSpec(Path("Funky.qlt")), *document);
    }
    std::string Path(const std::string& name) const { return (folder_ / name).string(); }
    std::string Quoted(const std::string& name) const { return "'" + Path(name) + "'"; }

    CTempFolder folder_;
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

TEST_F(CliExportTest, TooManyNotesNeedForce) {
    const CliRun run = RunCli("export " + Quoted("Funky.qlt") + " --midi " + Quoted("g.mid"));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Too many slices! Only the first 92 slices fit in the MIDI file"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(Path("g.mid")));
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
