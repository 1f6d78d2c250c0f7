// The SoundFont 2 bank's names and texts, and its writer under failing writes.
#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "formats/soundfont/CSoundFontBankWriter.h"
#include "framework/exceptions/GeneralExceptions.h"
#include "tests/support/MemoryBytes.h"

namespace {

// Writes samples of the given lengths (point j of sample i is 100 * i + j)
// on the keys from 36 up, into media.
void WriteBank(CMedia& media, const std::vector<std::uint32_t>& lengths, const std::string& fileName = "Funky.sf2")
{
    SoundFontInfo info;
    info.name = fileName;
    info.comment = "Created by Quillet!";
    CSoundFontBankWriter bank(media, info);
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        std::vector<std::int16_t> points(lengths[i]);
        for (std::uint32_t j = 0; j < lengths[i]; ++j)
            points[j] = static_cast<std::int16_t>(100 * i + j);
        bank.WriteFrames(points.data(), lengths[i]);
        const auto key = static_cast<std::uint8_t>(36 + i);
        bank.EndSample(SoundFontSampleName("Funky", static_cast<int>(i)), 22050, key, key, 0);
    }
    bank.Finish("Funky");
}

} // namespace

TEST(SoundFontBank, SampleNames)
{
    const struct {
        const char* bank;
        int index;
        const char* name;
    } cases[] = {
        {"Loop", 0, "Loop 1"},
        {"Loop", 11, "Loop 12"},
        {"ExactlySixteen16", 2, "ExactlySixteen16 3"},
        {"TwentyCharactersLong", 91, "TwentyCharacters 92"},
        {"", 0, " 1"},
        {"Two  blanks", 99, "Two blanks 100"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SoundFontSampleName(c.bank, c.index), c.name) << c.bank;
}

TEST(SoundFontBank, FileNameTextIsZeroTerminatedAndEven)
{
    // INAM holds the name, a zero and a pad to an even size: 8 and 9 characters both give 10.
    for (const char* name : {"Loop.sf2", "Funk1.sf2"}) {
        GrowingMedia media;
        WriteBank(media, {10}, name);
        const std::string bytes(media.bytes.begin(), media.bytes.end());
        const std::size_t at = bytes.find("INAM");
        ASSERT_NE(at, std::string::npos);
        EXPECT_EQ(media.bytes[at + 4], 10) << name;
        EXPECT_EQ(bytes.substr(at + 8, 10), std::string(name) + std::string(10 - std::strlen(name), '\0')) << name;
    }
}

TEST(SoundFontBank, AWriteFailureAnywherePassesOnAsItsOwnException)
{
    GrowingMedia whole;
    WriteBank(whole, {3000, 500});
    // Failing at every stage (header, INFO, sample data, pdta, the patches at the end).
    for (const std::int64_t failAfter : {0L, 20L, 200L, 4000L, 7000L, static_cast<std::int64_t>(whole.bytes.size()) - 1}) {
        GrowingMedia media(failAfter);
        try {
            WriteBank(media, {3000, 500});
            ADD_FAILURE() << "no failure after " << failAfter;
        } catch (const XWrite& failure) {
            EXPECT_EQ(failure.SystemError(), ENOSPC) << failAfter;
        }
    }
}
