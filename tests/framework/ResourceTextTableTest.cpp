#include <gtest/gtest.h>

#include <string>

#include "framework/resources/CResourceTextTable.h"

namespace {

CResourceTextTable Parse(const std::string& script) { return CResourceTextTable("SSTR", 1, script); }

std::size_t DefinedCount(const CResourceTextTable& table)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < CResourceTextTable::kSlotCount; ++i)
        count += table.Entry(i).has_value();
    return count;
}

}  // namespace

TEST(ResourceTextTable, ReadsNumberedEntries)
{
    const auto table = Parse("0 {Zero}\n12{Twelve}\n999 {Last}");
    EXPECT_EQ(table.Entry(0), "Zero");
    EXPECT_EQ(table.Entry(12), "Twelve");
    EXPECT_EQ(table.Entry(999), "Last");
    EXPECT_EQ(DefinedCount(table), 3u);
}

TEST(ResourceTextTable, IgnoresCommentsAndStrayText)
{
    const auto table = Parse("{{ a comment } stray words, 3 {Three} {{ another 4 {x} ok } more text");
    EXPECT_EQ(table.Entry(3), "Three");
    EXPECT_FALSE(table.Entry(4).has_value());
    EXPECT_EQ(DefinedCount(table), 1u);
}

TEST(ResourceTextTable, BracedTextWithoutAnyNumberIsSkipped)
{
    const auto table = Parse("{no number yet} 5 {Five}");
    EXPECT_EQ(table.Entry(5), "Five");
    EXPECT_EQ(DefinedCount(table), 1u);
}

TEST(ResourceTextTable, FirstDefinitionOfANumberWins)
{
    const auto table = Parse("7 {first} 7 {second}");
    EXPECT_EQ(table.Entry(7), "first");
}

TEST(ResourceTextTable, NumberBufferSurvivesAnEntry)
{
    // The second text is filed under 7 again, where it loses to the first.
    const auto table = Parse("7 {first} {second} 8 {eight}");
    EXPECT_EQ(table.Entry(7), "first");
    EXPECT_EQ(table.Entry(8), "eight");
    EXPECT_EQ(DefinedCount(table), 2u);
}

TEST(ResourceTextTable, LineBreaksAndTabsAreDroppedAndBackslashRBreaksTheLine)
{
    const auto table = Parse("1 {one\\r\n   two}\n2 {a\tb\r\nc}\n3 {x\\ty\\\\z}");
    EXPECT_EQ(table.Entry(1), "one\r   two");
    EXPECT_EQ(table.Entry(2), "abc");
    // A backslash before anything but r gives nothing.
    EXPECT_EQ(table.Entry(3), "xyz");
}

TEST(ResourceTextTable, OpeningBraceInsideTextIsKept)
{
    const auto table = Parse("4 {a {b}");
    EXPECT_EQ(table.Entry(4), "a {b");
}

TEST(ResourceTextTable, EleventhDigitEndsTheNumber)
{
    // Ten digits are kept ("0000000001"), the eleventh ends the number.
    const auto table = Parse("00000000012{kept under one}");
    EXPECT_EQ(table.Entry(1), "kept under one");
    EXPECT_EQ(DefinedCount(table), 1u);
}

TEST(ResourceTextTable, NumbersBeyondTheTableAreRejected)
{
    const auto table = Parse("1000 {a} 4294967296 {b} 12345678901 {c} 998 {ok}");
    EXPECT_EQ(table.Entry(998), "ok");
    EXPECT_EQ(DefinedCount(table), 1u);
    EXPECT_FALSE(table.Entry(1000).has_value());
}

TEST(ResourceTextTable, EntryIsCutAt2999Characters)
{
    const auto table = Parse("9 {" + std::string(4000, 'x') + "} 10 {next}");
    ASSERT_TRUE(table.Entry(9).has_value());
    EXPECT_EQ(table.Entry(9)->size(), CResourceTextTable::kMaxEntryLength);
    EXPECT_EQ(table.Entry(10), "next");
}

TEST(ResourceTextTable, UnterminatedEntryIsDropped)
{
    const auto table = Parse("1 {done} 2 {never clos");
    EXPECT_EQ(table.Entry(1), "done");
    EXPECT_FALSE(table.Entry(2).has_value());
}

TEST(ResourceTextTable, ScriptEndingAfterBackslashOrBraceIsSafe)
{
    EXPECT_EQ(DefinedCount(Parse("1 {abc\\")), 0u);
    EXPECT_EQ(DefinedCount(Parse("1 {")), 0u);
    EXPECT_EQ(DefinedCount(Parse("")), 0u);
}

TEST(ResourceTextTable, TypeIsComparedWithoutCase)
{
    const CResourceTextTable table("SALR", 129, "");
    EXPECT_TRUE(table.Is("salr", 129));
    EXPECT_FALSE(table.Is("SALR", 130));
    EXPECT_FALSE(table.Is("SSTR", 129));
}
