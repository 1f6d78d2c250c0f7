#include <gtest/gtest.h>

#include "document/export/ExportGrooveMIDI.h"
#include "document/export/ExportSLX.h"
#include "document/export/ExportSlices.h"
#include "formats/chunks/ByteOrder.h"
#include "formats/slx/CSLXRecord.h"
#include "framework/exceptions/Exceptions.h"
#include "framework/files/FileTypes.h"
#include "framework/time/CClock.h"
#include "slicing/CSliceRenderSet.h"
#include "tests/support/ExportRig.h"

namespace {

struct SLXEntry {
    std::uint32_t offset, length, position;
};

// The slice table of a written SLX file.
std::vector<SLXEntry> SLXEntries(const std::vector<std::uint8_t>& file, std::uint32_t* loopTicks = nullptr) {
    const std::size_t appl = ChunkData(file, "APPL");
    if (appl == 0) return {};
    const std::uint8_t* r = &file[appl + 4];
    if (loopTicks) *loopTicks = ReadBigEndian32(r + 6);
    std::vector<SLXEntry> entries(ReadBigEndian16(r + 10));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::uint8_t* e = r + 1016 + 12 * i;
        entries[i] = {ReadBigEndian32(e), ReadBigEndian32(e + 4), ReadBigEndian32(e + 8)};
    }
    return entries;
}

}  // namespace

TEST(SLXExport, SlicesTableAndSamplesOrOneEntryOfTheWholeLoop) {
    // One bar of 4/4 over 8000 frames, slices on the left locator and in the middle.
    ExportRig rig(9000, {1000, 5000}, true, 1000);
    const auto& folder = rig.folder;
    ASSERT_TRUE(ExportSLX(rig.set, FileAt(folder / "Funky.slx"), 44100, rig.feedback));
    std::uint32_t loopTicks = 0;
    const auto entries = SLXEntries(ReadFileBytes(folder / "Funky.slx"), &loopTicks);
    EXPECT_EQ(loopTicks, 3840u);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].offset, 0u);
    EXPECT_EQ(entries[0].length, 4000u);
    EXPECT_EQ(entries[0].position, 0u);
    EXPECT_EQ(entries[1].offset, 4096u);  // 8000 bytes padded to 8192
    EXPECT_EQ(entries[1].position, 1920u);

    std::filesystem::copy_file(folder / "Funky.slx", folder / "Funky.aif");
    const std::string info = RunCommand("sndfile-info '" + (folder / "Funky.aif").string() + "'");
    EXPECT_NE(info.find("Frames      : 8096"), std::string::npos) << info;
    const std::vector<std::int16_t> heard = SoxSamples(folder / "Funky.aif");
    ASSERT_EQ(heard.size(), 4096u + 4000u);
    for (std::uint32_t i = 0; i < 4000; ++i) {
        ASSERT_EQ(heard[i], SampleAt(1000 + i)) << i;
        ASSERT_EQ(heard[4096 + i], SampleAt(5000 + i)) << i;
    }
    // As one sample: one entry of the whole loop.
    ExportRig one(9000, {1000, 5000}, false);
    ASSERT_TRUE(ExportSLX(one.set, FileAt(one.folder / "One.slx"), 44100, one.feedback));
    const auto whole = SLXEntries(ReadFileBytes(one.folder / "One.slx"));
    ASSERT_EQ(whole.size(), 1u);
    EXPECT_EQ(whole[0].position, 0u);
    EXPECT_EQ(whole[0].length, 9000u);
}

TEST(SLXExport, MoreSegmentsThanTheTableHoldsAsks) {
    // 1000 slice points after the left locator give 1001 segments.
    std::vector<std::uint32_t> positions;
    for (std::uint32_t i = 1; i <= 1000; ++i) positions.push_back(i * 8);
    ExportRig rig(8100, positions);
    rig.feedback.acceptFirstSlices = false;
    EXPECT_FALSE(ExportSLX(rig.set, FileAt(rig.folder / "Many.slx"), 44100, rig.feedback));
    EXPECT_FALSE(std::filesystem::exists(rig.folder / "Many.slx"));
    EXPECT_EQ(rig.feedback.lastLimit, 1000);

    rig.feedback.acceptFirstSlices = true;
    CSliceRenderSet accepted(rig.doc->Sound(), rig.doc->Slices(), rig.doc->Settings());
    ASSERT_TRUE(ExportSLX(accepted, FileAt(rig.folder / "Many.slx"), 44100, rig.feedback));
    EXPECT_EQ(SLXEntries(ReadFileBytes(rig.folder / "Many.slx")).size(), 1000u);
}

TEST(Exports, StoppingLeavesTheOldFileOrTheSliceFilesWrittenSoFar) {
    ExportRig rig(9000, {1000, 2000, 3000, 4000, 5000});
    WriteFileBytes(rig.folder / "Funky.slx", {1, 2, 3});
    {
        StopPressed stop;
        EXPECT_FALSE(ExportSLX(rig.set, FileAt(rig.folder / "Funky.slx"), 44100, rig.feedback));
    }
    EXPECT_EQ(ReadFileBytes(rig.folder / "Funky.slx"), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(FileCount(rig.folder.Path()), 1);
    // Slice files already written are kept.
    ExportRig slices(9000, {3000, 6000});
    StopPressed stop;
    EXPECT_FALSE(slices.Slices("Funky.aif", kAIFFFileType));
    EXPECT_FALSE(std::filesystem::exists(slices.folder / "Funky #003.aif"));
}

TEST(Exports, ALoopWithoutLengthIsRefused) {
    // Equal locators are reset to the whole sound, so only an empty sound leaves no loop.
    ExportRig rig(0, {});
    EXPECT_THROW(ExportSLX(rig.set, FileAt(rig.folder / "a.slx"), 44100, rig.feedback), XBadFormat);
    EXPECT_THROW(ExportGrooveMIDI(rig.set, FileAt(rig.folder / "a.mid"), rig.feedback), XBadFormat);
    EXPECT_THROW(rig.Slices("a.aif", kAIFFFileType), XBadFormat);
    EXPECT_TRUE(std::filesystem::is_empty(rig.folder.Path()));
}

TEST(GrooveExport, MoreSlicesThanKeysAsks) {
    std::vector<std::uint32_t> positions;
    for (std::uint32_t i = 0; i < 100; ++i) positions.push_back(i * 100);
    ExportRig rig(10000, positions);
    rig.feedback.acceptFirstSlices = false;
    EXPECT_FALSE(ExportGrooveMIDI(rig.set, FileAt(rig.folder / "g.mid"), rig.feedback));
    EXPECT_EQ(rig.feedback.lastLimit, 92);
    EXPECT_FALSE(std::filesystem::exists(rig.folder / "g.mid"));
    rig.feedback.acceptFirstSlices = true;
    EXPECT_TRUE(ExportGrooveMIDI(rig.set, FileAt(rig.folder / "g.mid"), rig.feedback));
    const std::string csv = RunCommand("midicsv '" + (rig.folder / "g.mid").string() + "'");
    EXPECT_NE(csv.find("Note_on_c, 0, 127, 127"), std::string::npos);
    EXPECT_EQ(csv.find("Note_on_c, 0, 128,"), std::string::npos);
}

TEST(SliceExport, NumberedFilesHoldTheSlices) {
    ExportRig rig(9000, {3000, 6000});
    ASSERT_TRUE(rig.Slices("Funky.aif", kWaveFileType));
    for (int i = 0; i < 3; ++i) {
        const auto path = rig.folder / ("Funky #00" + std::to_string(i + 1) + ".wav");
        const std::vector<std::int16_t> heard = SoxSamples(path);
        ASSERT_EQ(heard.size(), 3000u) << path;
        for (std::uint32_t k = 0; k < 3000; ++k) ASSERT_EQ(heard[k], SampleAt(3000 * i + k)) << path << k;
    }
    const std::string info = RunCommand("sndfile-info '" + (rig.folder / "Funky #002.wav").string() + "'");
    EXPECT_NE(info.find("Frames      : 3000"), std::string::npos) << info;
}

TEST(SliceExport, ExistingFilesAreAskedAbout) {
    ExportRig rig(9000, {3000, 6000});
    WriteFileBytes(rig.folder / "Funky #002.aif", {9});
    WriteFileBytes(rig.folder / "Funky #003.aif", {9});
    rig.feedback.replaceAnswer = CABCExportFeedback::ReplaceAnswer::kCancel;
    EXPECT_FALSE(rig.Slices("Funky", kAIFFFileType));
    EXPECT_EQ(rig.feedback.replaceQuestions, (std::vector<std::string>{"Funky #002.aif"}));
    EXPECT_TRUE(std::filesystem::exists(rig.folder / "Funky #001.aif"));
    EXPECT_EQ(ReadFileBytes(rig.folder / "Funky #002.aif"), (std::vector<std::uint8_t>{9}));

    rig.feedback.replaceQuestions.clear();
    rig.feedback.replaceAnswer = CABCExportFeedback::ReplaceAnswer::kReplaceAll;
    EXPECT_TRUE(rig.Slices("Funky", kAIFFFileType));
    EXPECT_EQ(rig.feedback.replaceQuestions, (std::vector<std::string>{"Funky #001.aif"}));
    EXPECT_EQ(SoxSamples(rig.folder / "Funky #003.aif").size(), 3000u);
}
