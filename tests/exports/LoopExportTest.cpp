#include <gtest/gtest.h>

#include "document/analysis/CSliceRenderSet.h"
#include "formats/chunks/ByteOrder.h"
#include "formats/export/ExportGrooveMIDI.h"
#include "formats/export/ExportSLX.h"
#include "formats/export/ExportSlices.h"
#include "formats/slx/CSLXRecord.h"
#include "framework/exceptions/Exceptions.h"
#include "framework/files/FileTypes.h"
#include "framework/progress/CABCProgressPresenter.h"
#include "framework/time/CClock.h"
#include "tests/exports/ExportTestSupport.h"
#include "tests/exports/LoopFixture.h"

namespace {

CFileSpec Spec(const std::filesystem::path& path) { return CFileSpec(path.string()); }

struct SLXEntry {
    std::uint32_t offset, length, position;
};

// The slice table of a written SLX file.
std::vector<SLXEntry> SLXEntries(const std::vector<std::uint8_t>& file, std::uint32_t* loopTicks = nullptr) {
    for (std::size_t at = 12; at + 8 <= file.size(); at += 8 + ReadBigEndian32(&file[at + 4])) {
        if (std::string(file.begin() + at, file.begin() + at + 4) != "APPL") continue;
        const std::uint8_t* r = &file[at + 12];
        if (loopTicks) *loopTicks = ReadBigEndian32(r + 6);
        std::vector<SLXEntry> entries(ReadBigEndian16(r + 10));
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const std::uint8_t* e = r + 1016 + 12 * i;
            entries[i] = {ReadBigEndian32(e), ReadBigEndian32(e + 4), ReadBigEndian32(e + 8)};
        }
        return entries;
    }
    return {};
}

// A clock that runs ten seconds ahead at every look, and a progress window
// whose Stop button is already pressed: the export stops at its first
// progress report after the window appears.
class CRacingClock : public CClock {
public:
    std::int64_t Milliseconds() const override { return now_ += 10000; }
    void Sleep(std::int64_t ms) override { now_ += ms; }

private:
    mutable std::int64_t now_ = 0;
};

class CStoppedWindow : public CABCProgressWindow {
public:
    void Refresh(const std::string&, std::int32_t, std::uint16_t) override {}
    void ProcessEvents() override {}
    bool Cancelled() const override { return true; }
};

class CStoppingPresenter : public CABCProgressPresenter {
public:
    void SetWaitCursor() override {}
    void SetArrowCursor() override {}
    std::unique_ptr<CABCProgressWindow> CreateProgressWindow(const std::string&, const std::string&, std::int32_t,
                                                             std::uint16_t) override {
        return std::make_unique<CStoppedWindow>();
    }
    void Beep() override {}
};

class StopPressed {
public:
    StopPressed() : clock_(CClock::Install(&racing_)), presenter_(CABCProgressPresenter::Install(&stopping_)) {}
    ~StopPressed() {
        CClock::Install(clock_);
        CABCProgressPresenter::Install(presenter_);
    }

private:
    CRacingClock racing_;
    CStoppingPresenter stopping_;
    CClock* clock_;
    CABCProgressPresenter* presenter_;
};

}  // namespace

TEST(SLXExport, SlicesTableAndSamples) {
    // One bar of 4/4 over 8000 frames, slices on the left locator and in the middle.
    auto doc = MakeLoop(9000, 44100, {1000, 5000});
    doc->Sound().SetLoop(1000, 9000, true);
    CSliceRenderSet set(doc->Sound(), doc->Slices(), doc->Settings());
    CTempFolder folder;
    CScriptedFeedback feedback;
    ASSERT_TRUE(ExportSLX(set, Spec(folder / "Funky.slx"), 44100, feedback));
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
}

TEST(SLXExport, OneSampleIsOneEntryOfTheWholeLoop) {
    auto doc = MakeLoop(9000, 44100, {1000, 5000});
    doc->Settings().separateSamples = false;
    CSliceRenderSet set(doc->Sound(), doc->Slices(), doc->Settings());
    CTempFolder folder;
    CScriptedFeedback feedback;
    ASSERT_TRUE(ExportSLX(set, Spec(folder / "One.slx"), 44100, feedback));
    const auto entries = SLXEntries(ReadFileBytes(folder / "One.slx"));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].position, 0u);
    EXPECT_EQ(entries[0].length, 9000u);
}

TEST(SLXExport, MoreSegmentsThanTheTableHoldsAsks) {
    // 1000 slice points after the left locator give 1001 segments.
    std::vector<std::uint32_t> positions;
    for (std::uint32_t i = 1; i <= 1000; ++i) positions.push_back(i * 8);
    auto doc = MakeLoop(8100, 44100, positions);
    CTempFolder folder;
    CScriptedFeedback feedback;
    feedback.acceptFirstSlices = false;
    CSliceRenderSet declined(doc->Sound(), doc->Slices(), doc->Settings());
    EXPECT_FALSE(ExportSLX(declined, Spec(folder / "Many.slx"), 44100, feedback));
    EXPECT_FALSE(std::filesystem::exists(folder / "Many.slx"));
    EXPECT_EQ(feedback.lastLimit, 1000);

    feedback.acceptFirstSlices = true;
    CSliceRenderSet accepted(doc->Sound(), doc->Slices(), doc->Settings());
    ASSERT_TRUE(ExportSLX(accepted, Spec(folder / "Many.slx"), 44100, feedback));
    EXPECT_EQ(SLXEntries(ReadFileBytes(folder / "Many.slx")).size(), 1000u);
}

TEST(SLXExport, StoppingLeavesTheOldFile) {
    CTempFolder folder;
    WriteFileBytes(folder / "Funky.slx", {1, 2, 3});
    auto doc = MakeLoop(9000, 44100, {1000, 2000, 3000, 4000, 5000});
    CSliceRenderSet set(doc->Sound(), doc->Slices(), doc->Settings());
    CScriptedFeedback feedback;
    {
        StopPressed stop;
        EXPECT_FALSE(ExportSLX(set, Spec(folder / "Funky.slx"), 44100, feedback));
    }
    EXPECT_EQ(ReadFileBytes(folder / "Funky.slx"), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST(Exports, ALoopWithoutLengthIsRefused) {
    // Equal locators are reset to the whole sound, so only an empty sound leaves no loop.
    auto empty = MakeLoop(0, 44100, {});
    CSliceRenderSet set(empty->Sound(), empty->Slices(), empty->Settings());
    CTempFolder folder;
    CScriptedFeedback feedback;
    EXPECT_THROW(ExportSLX(set, Spec(folder / "a.slx"), 44100, feedback), XBadFormat);
    EXPECT_THROW(ExportGrooveMIDI(set, Spec(folder / "a.mid"), feedback), XBadFormat);
    EXPECT_THROW(ExportSlices(set, Spec(folder / "a.aif"), kAIFFFileType, 0, 44100, std::nullopt, kSliceNameLimit,
                              feedback),
                 XBadFormat);
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

TEST(GrooveExport, NotesOfFourSlicesAsMidicsvReadsThem) {
    auto doc = MakeLoop(88200, 44100, {22050, 44100, 66150});
    doc->Settings().bars = 1;
    CSliceRenderSet set(doc->Sound(), doc->Slices(), doc->Settings());
    CTempFolder folder;
    CScriptedFeedback feedback;
    ASSERT_TRUE(ExportGrooveMIDI(set, Spec(folder / "Funky.mid"), feedback));
    const std::string csv = RunCommand("midicsv '" + (folder / "Funky.mid").string() + "'");
    EXPECT_NE(csv.find("1, 0, Tempo, 500000"), std::string::npos) << csv;
    for (const char* line : {"2, 0, Note_on_c, 0, 36, 127", "2, 960, Note_on_c, 0, 36, 0",
                             "2, 960, Note_on_c, 0, 37, 127", "2, 2880, Note_on_c, 0, 39, 127",
                             "2, 3840, Note_on_c, 0, 39, 0"})
        EXPECT_NE(csv.find(line), std::string::npos) << line << "\n" << csv;
}

TEST(GrooveExport, MoreSlicesThanKeysAsks) {
    std::vector<std::uint32_t> positions;
    for (std::uint32_t i = 0; i < 100; ++i) positions.push_back(i * 100);
    auto doc = MakeLoop(10000, 44100, positions);
    CTempFolder folder;
    CScriptedFeedback feedback;
    feedback.acceptFirstSlices = false;
    CSliceRenderSet set(doc->Sound(), doc->Slices(), doc->Settings());
    EXPECT_FALSE(ExportGrooveMIDI(set, Spec(folder / "g.mid"), feedback));
    EXPECT_EQ(feedback.lastLimit, 92);
    EXPECT_FALSE(std::filesystem::exists(folder / "g.mid"));
    feedback.acceptFirstSlices = true;
    EXPECT_TRUE(ExportGrooveMIDI(set, Spec(folder / "g.mid"), feedback));
    const std::string csv = RunCommand("midicsv '" + (folder / "g.mid").string() + "'");
    EXPECT_NE(csv.find("Note_on_c, 0, 127, 127"), std::string::npos);
    EXPECT_EQ(csv.find("Note_on_c, 0, 128,"), std::string::npos);
}

TEST(SliceExport, NumberedFilesHoldTheSlices) {
    auto doc = MakeLoop(9000, 44100, {3000, 6000});
    CSliceRenderSet set(doc->Sound(), doc->Slices(), doc->Settings());
    CTempFolder folder;
    CScriptedFeedback feedback;
    ASSERT_TRUE(ExportSlices(set, Spec(folder / "Funky.aif"), kWaveFileType, 0, 44100, std::nullopt,
                             kSliceNameLimit, feedback));
    for (int i = 0; i < 3; ++i) {
        const auto path = folder / ("Funky #00" + std::to_string(i + 1) + ".wav");
        const std::vector<std::int16_t> heard = SoxSamples(path);
        ASSERT_EQ(heard.size(), 3000u) << path;
        for (std::uint32_t k = 0; k < 3000; ++k) ASSERT_EQ(heard[k], SampleAt(3000 * i + k)) << path << k;
    }
    const std::string info = RunCommand("sndfile-info '" + (folder / "Funky #002.wav").string() + "'");
    EXPECT_NE(info.find("Frames      : 3000"), std::string::npos) << info;
}

TEST(SliceExport, ExistingFilesAreAskedAbout) {
    auto doc = MakeLoop(9000, 44100, {3000, 6000});
    CTempFolder folder;
    WriteFileBytes(folder / "Funky #002.aif", {9});
    WriteFileBytes(folder / "Funky #003.aif", {9});
    CScriptedFeedback feedback;
    feedback.replaceAnswer = CABCExportFeedback::ReplaceAnswer::kCancel;
    CSliceRenderSet set(doc->Sound(), doc->Slices(), doc->Settings());
    EXPECT_FALSE(ExportSlices(set, Spec(folder / "Funky"), kAIFFFileType, 0, 44100, std::nullopt, kSliceNameLimit,
                              feedback));
    EXPECT_EQ(feedback.replaceQuestions, (std::vector<std::string>{"Funky #002.aif"}));
    EXPECT_TRUE(std::filesystem::exists(folder / "Funky #001.aif"));
    EXPECT_EQ(ReadFileBytes(folder / "Funky #002.aif"), (std::vector<std::uint8_t>{9}));

    feedback.replaceQuestions.clear();
    feedback.replaceAnswer = CABCExportFeedback::ReplaceAnswer::kReplaceAll;
    EXPECT_TRUE(ExportSlices(set, Spec(folder / "Funky"), kAIFFFileType, 0, 44100, std::nullopt, kSliceNameLimit,
                             feedback));
    EXPECT_EQ(feedback.replaceQuestions, (std::vector<std::string>{"Funky #001.aif"}));
    EXPECT_EQ(SoxSamples(folder / "Funky #003.aif").size(), 3000u);
}

TEST(SliceExport, StoppingKeepsTheFilesWritten) {
    auto doc = MakeLoop(9000, 44100, {3000, 6000});
    CSliceRenderSet set(doc->Sound(), doc->Slices(), doc->Settings());
    CTempFolder folder;
    CScriptedFeedback feedback;
    StopPressed stop;
    EXPECT_FALSE(ExportSlices(set, Spec(folder / "Funky.aif"), kAIFFFileType, 0, 44100, std::nullopt,
                              kSliceNameLimit, feedback));
    EXPECT_FALSE(std::filesystem::exists(folder / "Funky #003.aif"));
}
