// The sampler-file exports of a loop: the SoundFont bank played by fluidsynth
// with the loop's groove MIDI file, the Mixman track and the SampleCell
// instrument with its slice files; and every way they can end without a
// file: declined, stopped, cancelled, failed.
#include <gtest/gtest.h>

#include <cmath>
#include <algorithm>
#include <functional>
#include <optional>

#include "document/export/ExportChecks.h"
#include "document/export/ExportFailureAlert.h"
#include "document/export/ExportGrooveMIDI.h"
#include "document/export/ExportMixman.h"
#include "document/export/ExportSampleCell.h"
#include "document/export/ExportSoundFont.h"
#include "document/export/TransposedKey.h"
#include "formats/chunks/ByteOrder.h"
#include "formats/samplecell/SampleCellTemplate.h"
#include "framework/exceptions/GeneralExceptions.h"
#include "sound/WAVE_SAMPLE.h"
#include "tests/support/ExportRig.h"
#include "tests/support/SoundFontReader.h"

namespace {

using Kind = CABCExportFeedback::ExportKind;
namespace fs = std::filesystem;

// One bar of 4/4 in one second: a decaying burst at each slice point, silence between.
constexpr std::uint32_t kRate = 44100;
const std::vector<std::uint32_t> kHits = {0, 9000, 22050, 30000};

std::unique_ptr<CLoopDocument> Drums() {
    auto loop = MakeLoop(kRate, kRate, kHits);
    for (std::uint32_t i = 0; i < kRate; ++i) loop->Sound().Samples().WriteSample(i, 0);
    for (const std::uint32_t hit : kHits)
        for (std::uint32_t j = 0; j < 3000; ++j)
            loop->Sound().Samples().WriteSample(
                hit + j, static_cast<std::int16_t>(((j / 20) % 2 ? 20000 : -20000) * (3000 - j) / 3000));
    return loop;
}

// The alert an export's failure ends in; none when nothing fails.
std::optional<ResourceId> AlertOf(const std::function<void()>& run) {
    try {
        run();
    } catch (...) {
        return ExportFailureAlert(std::current_exception(), 0);
    }
    return std::nullopt;
}

// Where the rendered sound first rises above a tenth of its peak after each
// stretch of quiet: the heard onsets.
std::vector<std::size_t> Onsets(const std::vector<std::int16_t>& heard) {
    int peak = 1;
    for (const std::int16_t v : heard) peak = std::max(peak, std::abs(int{v}));
    std::vector<std::size_t> onsets;
    std::size_t quiet = heard.size();
    for (std::size_t i = 0; i < heard.size(); ++i) {
        if (std::abs(int{heard[i]}) > peak / 10) {
            if (quiet > 2000) onsets.push_back(i);
            quiet = 0;
        } else {
            ++quiet;
        }
    }
    return onsets;
}

}  // namespace

TEST(SoundFontExport, FluidsynthPlaysTheBankWithTheGrooveBackIntoTheLoop) {
    ExportRig rig(kRate, {});
    rig.doc = Drums();
    CSliceRenderSet set(rig.doc->Sound(), rig.doc->Slices(), rig.doc->Settings());
    const fs::path bank = rig.folder / "Funky.sf2";
    ASSERT_TRUE(ExportSoundFont(set, FileAt(bank), "Funky",
                                SlicesToExport(set, Kind::kSoundFont, 92, rig.feedback).value()));
    ASSERT_TRUE(ExportGrooveMIDI(set, FileAt(rig.folder / "Funky.mid"), rig.feedback));

    // Our own reader: every sample as rendered, 46 zero points apart, alone on its key.
    const SoundFontBankContents contents = ReadSoundFontBank(ReadFileBytes(bank));
    ASSERT_EQ(contents.samples.size(), kHits.size());
    ASSERT_EQ(contents.zones.size(), kHits.size());
    for (std::size_t i = 0; i < kHits.size(); ++i) {
        const auto& sample = contents.samples[i];
        const std::vector<std::int16_t> slice = SamplesOf(*set.Render(static_cast<int>(i)));
        EXPECT_EQ(sample.start, i == 0 ? 0 : contents.samples[i - 1].end + 46) << i;
        EXPECT_EQ(sample.end - sample.start, slice.size());
        EXPECT_TRUE(std::equal(slice.begin(), slice.end(), contents.points.begin() + sample.start)) << i;
        EXPECT_TRUE(std::all_of(contents.points.begin() + sample.end, contents.points.begin() + sample.end + 46,
                                [](std::int16_t v) { return v == 0; }));
        EXPECT_EQ(sample.rate, kRate);
        EXPECT_EQ(sample.name, "Funky " + std::to_string(i + 1));
        EXPECT_EQ(sample.originalPitch, 36 + i);
        EXPECT_EQ(contents.zones[i].lowKey, 36 + static_cast<int>(i));
        EXPECT_EQ(contents.zones[i].highKey, 36 + static_cast<int>(i));
        EXPECT_EQ(contents.zones[i].sample, static_cast<int>(i));
    }
    EXPECT_EQ(contents.bankName, "Funky.sf2");
    EXPECT_EQ(contents.instruments, std::vector<std::string>{"Funky"});

    // fluidsynth loads it and names our preset.
    const std::string quoted = "'" + bank.string() + "'";
    const std::string shell =
        RunCommand("echo 'inst 1' | fluidsynth -n -a file -o audio.file.name=/dev/null " + quoted + " 2>&1");
    EXPECT_EQ(shell.find("Failed to load"), std::string::npos) << shell;
    EXPECT_NE(shell.find("000-000 Funky"), std::string::npos) << shell;

    // Played by the groove MIDI file, the slices sound where they lay in the loop.
    const fs::path played = rig.folder / "played.wav";
    RunCommand("fluidsynth -n -i -q -R 0 -C 0 -r 44100 -O s16 -T wav -F '" + played.string() + "' " + quoted + " '" +
               (rig.folder / "Funky.mid").string() + "' 2>&1");
    RunCommand("sox '" + played.string() + "' -c 1 '" + (rig.folder / "mono.wav").string() + "'");
    const std::vector<std::size_t> onsets = Onsets(SoxSamples(rig.folder / "mono.wav"));
    ASSERT_EQ(onsets.size(), kHits.size());
    for (std::size_t i = 0; i < kHits.size(); ++i)
        EXPECT_NEAR(static_cast<double>(onsets[i]), kHits[i], 0.01 * kRate) << i;
}

TEST(SamplerFileExports, NothingStaysOfAStoppedOrFailedExportAndOldFilesAreKept) {
    ExportRig rig(9000, {3000, 6000});
    const std::vector<std::uint8_t> old = {1, 2, 3};
    for (const char* name : {"Funky.sf2", "Funky.trk", "Funky.ins", "Funky001.wav"}) WriteFileBytes(rig.folder / name, old);
    const std::function<bool()> exports[] = {
        [&] { return ExportSoundFont(rig.set, FileAt(rig.folder / "Funky.sf2"), "Funky", 3); },
        [&] { return ExportMixman(rig.set, FileAt(rig.folder / "Funky.trk"), "Funky", 120000, 3); },
        [&] { return ExportSampleCell(rig.set, FileAt(rig.folder / "Funky.ins"), std::nullopt, 3, rig.feedback); },
    };
    for (const auto& run : exports) {
        {
            StopPressed stop;
            EXPECT_FALSE(run());
        }
        // A disk that fills up: the export fails with the disk-full alert.
        CFileSizeLimit full(2000);
        EXPECT_EQ(AlertOf([&] { run(); }), Res::kAlertDiskFull);
    }
    // Replacing an existing slice file cancelled: no instrument, no new slice files.
    rig.feedback.replaceAnswer = CABCExportFeedback::ReplaceAnswer::kCancel;
    EXPECT_FALSE(ExportSampleCell(rig.set, FileAt(rig.folder / "Funky.ins"), std::nullopt, 3, rig.feedback));
    for (const char* name : {"Funky.sf2", "Funky.trk", "Funky.ins", "Funky001.wav"})
        EXPECT_EQ(ReadFileBytes(rig.folder / name), old) << name;
    EXPECT_EQ(FileCount(rig.folder.Path()), 4);
}

TEST(SamplerFileExports, ALoopOfSilencedSlicesIsRefusedWithItsOwnAlert) {
    ExportRig rig(9000, {0, 3000, 6000});
    rig.doc->Settings().silenceSelected = true;
    rig.doc->Slices().SelectAll();
    CSliceRenderSet silenced(rig.doc->Sound(), rig.doc->Slices(), rig.doc->Settings());
    ASSERT_EQ(silenced.Count(), 0);
    for (const Kind kind : {Kind::kSoundFont, Kind::kMixman, Kind::kSampleCell})
        EXPECT_EQ(AlertOf([&] { SlicesToExport(silenced, kind, 60, rig.feedback); }), Res::kAlertNothingToExport);
    EXPECT_THROW(ExportSoundFont(silenced, FileAt(rig.folder / "a.sf2"), "a", 5), XNothingToExport);
    EXPECT_TRUE(fs::is_empty(rig.folder.Path()));
}

TEST(SamplerFileExports, TranspositionPlacesTheRoot) {
    const struct {
        std::uint8_t key;
        bool pitchMode;
        std::int32_t cents;
        int root, fine;
    } cases[] = {
        {60, false, 700, 60, 0}, {60, true, -250, 63, 50}, {60, true, 30, 60, 30},
        {60, true, 0, 60, 0},    {36, true, 150, 34, -50},   {36, true, 4000, 0, 0},
        {127, true, -100, 127, 0},
    };
    for (const auto& c : cases) {
        const TransposedKey placed = TransposeKey(c.key, c.pitchMode, c.cents);
        EXPECT_EQ(placed.rootKey, c.root) << c.cents;
        EXPECT_EQ(placed.cents, c.fine) << c.cents;
    }
}

TEST(MixmanExport, TrackHoldsTheGrooveAndTheSlicesAt44100) {
    // Two bars at 11025 Hz: 8 beats, and the second slice resampled to 44100 Hz.
    auto loop = MakeLoop(22050, 11025, {0, 5000});
    loop->Settings().bars = 2;
    CSliceRenderSet set(loop->Sound(), loop->Slices(), loop->Settings());
    CTempFolder folder;
    ASSERT_TRUE(ExportMixman(set, FileAt(folder / "Funky.trk"), "Funky", 96500, 3));
    const std::vector<std::uint8_t> file = ReadFileBytes(folder / "Funky.trk");
    const std::size_t events = 80 + 27 + 20;
    const std::uint32_t length = ReadBigEndian32(&file[events - 4]);
    EXPECT_EQ(ReadLittleEndian32(&file[events + length + 2]), 3840u);
    const std::string bytes(file.begin(), file.end());
    const std::size_t second = bytes.find("RIFF", bytes.find("RIFF") + 1);
    ASSERT_NE(second, std::string::npos);
    EXPECT_EQ(ReadLittleEndian32(&file[second + 40]), 2u * 4u * (22050 - 5000));
}

TEST(SampleCellExport, InstrumentAndSliceFilesBesideIt) {
    ExportRig rig(9000, {3000, 6000});
    ASSERT_TRUE(ExportSampleCell(rig.set, FileAt(rig.folder / "Funky.ins"), std::nullopt, 3, rig.feedback));
    const std::vector<std::uint8_t> instrument = ReadFileBytes(rig.folder / "Funky.ins");
    const std::string bytes(instrument.begin(), instrument.end());
    const std::size_t keys = bytes.find("KeyS") + 8;
    for (int i = 0; i < 3; ++i) {
        const fs::path slice = rig.folder / ("Funky00" + std::to_string(i + 1) + ".wav");
        const std::string info = RunCommand("sndfile-info '" + slice.string() + "'");
        // Rendered 1000 frames longer than the slice.
        EXPECT_NE(info.find("Frames      : 4000"), std::string::npos) << info;
        EXPECT_EQ(ReadLittleEndian32(&instrument[keys + 12 + 64 * i + 14]), 8000u) << i;
        EXPECT_EQ(SoxSamples(slice)[10], SampleAt(3000 * i + 10));
    }
    EXPECT_FALSE(fs::exists(rig.folder / "Funky004.wav"));
}

TEST(SampleCellExport, AnUnreadableTemplateWritesNothing) {
    ExportRig rig(9000, {3000, 6000});
    WriteFileBytes(rig.folder / "Template.ins", {'F', 'O', 'R', 'M', 0, 0, 0, 4, 'S', 'C', 'i', 'n'});
    for (const char* name : {"Template.ins", "Missing.ins"})
        EXPECT_EQ(AlertOf([&] {
                      ExportSampleCell(rig.set, FileAt(rig.folder / "Funky.ins"), FileAt(rig.folder / name), 3, rig.feedback);
                  }),
                  Res::kAlertSampleCellTemplateUnreadable)
            << name;
    EXPECT_EQ(FileCount(rig.folder.Path()), 1);
}
