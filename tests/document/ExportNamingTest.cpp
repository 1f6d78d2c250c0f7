#include <gtest/gtest.h>

#include "document/export/CExportDialogMemory.h"
#include "document/export/ExportSampleRates.h"
#include "document/export/SliceFileName.h"
#include "framework/files/FileTypes.h"

#include <tuple>

TEST(SliceFileName, NumbersFromOneAndShortLimitsKeepTheDigitsAlone) {
    // " #001" twice is 10 characters: more than a limit of 9.
    const std::tuple<const char*, int, const char*, int, const char*> cases[] = {
        {"/loops/Funky.aif", 0, ".aif", 260, "/loops/Funky #001.aif"},
        {"/loops/Funky.aif", 11, ".wav", 260, "/loops/Funky #012.wav"},
        {"/loops/Funky", 999, ".aif", 260, "/loops/Funky #1000.aif"},
        {"/l/Funky.aif", 0, ".aif", 9, "/l/Funky001.aif"},
        {"/l/Funkier.aif", 0, ".aif", 10, "/l/Funki #001.aif"}};
    for (const auto& [path, index, extension, limit, expected] : cases)
        EXPECT_EQ(SliceFileName(path, index, extension, limit), expected) << path << index << limit;
}

TEST(SliceFileName, LongNamesFitTheFileSystemCutBetweenCharacters) {
    const std::string base(258, 'x');
    const auto name = SliceFileName("/l/" + base + ".aif", 0, ".aif", 260).filename().string();
    EXPECT_EQ(name.size(), 255u);
    EXPECT_EQ(name, std::string(246, 'x') + " #001.aif");
    // Cut between characters, not inside one.
    std::string accented;
    for (int i = 0; i < 200; ++i) accented += "\xC3\xA9";  // e acute, two bytes each
    const auto cut = SliceFileName("/l/" + accented + ".wav", 4, ".wav", 260).filename().string();
    EXPECT_LE(cut.size(), 255u);
    EXPECT_EQ(cut.substr(cut.size() - 9), " #005.wav");
    const std::string kept = cut.substr(0, cut.size() - 9);
    EXPECT_EQ(kept.size() % 2, 0u);
    EXPECT_EQ(kept, accented.substr(0, kept.size()));
}

TEST(ExportSampleRates, DialogStartsOnTheDocumentsRateOrTheNextAbove) {
    for (const auto& [rate, shown] : {std::pair{22050u, 22050u}, {11025u, 22050u}, {45000u, 48000u}, {100000u, 96000u}})
        EXPECT_EQ(kExportSampleRates[InitialExportRateIndex(rate)], shown) << rate;
}

TEST(ExportDialogMemory, RemembersTypeAndRateForTheSameTitle) {
    CExportDialogMemory memory;
    const std::vector<const CFileType*> sounds = {&kAIFFFileType, &kWaveFileType};
    CExportDialogMemory::Start start = memory.Open("Export Sound", sounds, 22050);
    EXPECT_EQ(start.rateIndex, 0);
    EXPECT_EQ(start.typeIndex, 0);
    EXPECT_EQ(memory.Accept(kWaveFileType, 3), 48000u);

    start = memory.Open("Export Sound", sounds, 22050);
    EXPECT_EQ(start.rateIndex, 3);
    EXPECT_EQ(start.typeIndex, 1);

    // Another title starts again from the document's rate; a type not offered from the first.
    start = memory.Open("Export SLX File", {&kSLXFileType}, 100000);
    EXPECT_EQ(start.rateIndex, 4);
    EXPECT_EQ(start.typeIndex, 0);
}
