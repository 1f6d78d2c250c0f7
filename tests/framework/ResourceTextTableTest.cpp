#include <gtest/gtest.h>

#include <map>
#include <string>

#include "framework/resources/CResourceTextTable.h"

namespace {

// Every defined entry of a table parsed from the script.
std::map<std::size_t, std::string> Entries(const std::string& script)
{
    const CResourceTextTable table("SSTR", 1, script);
    std::map<std::size_t, std::string> entries;
    for (std::size_t i = 0; i < CResourceTextTable::kSlotCount; ++i)
        if (table.Entry(i))
            entries[i] = *table.Entry(i);
    return entries;
}

}  // namespace

TEST(ResourceTextTable, ParsesScripts)
{
    using Table = std::map<std::size_t, std::string>;
    const std::pair<std::string, Table> cases[] = {
        {"0 {Zero}\n12{Twelve}\n999 {Last}", {{0, "Zero"}, {12, "Twelve"}, {999, "Last"}}},
        // Comments and stray text are ignored.
        {"{{ a comment } stray words, 3 {Three} {{ another 4 {x} ok } more text", {{3, "Three"}}},
        {"{no number yet} 5 {Five}", {{5, "Five"}}},
        // The first definition of a number wins; the number stays after an
        // entry, so the second text is filed under 7 again.
        {"7 {first} 7 {second}", {{7, "first"}}},
        {"7 {first} {second} 8 {eight}", {{7, "first"}, {8, "eight"}}},
        // Line breaks and tabs are dropped, \r breaks the line, a backslash
        // before anything else gives nothing.
        {"1 {one\\r\n   two}\n2 {a\tb\r\nc}\n3 {x\\ty\\\\z}", {{1, "one\r   two"}, {2, "abc"}, {3, "xyz"}}},
        {"4 {a {b}", {{4, "a {b"}}},
        // Ten digits are kept ("0000000001"), the eleventh ends the number.
        {"00000000012{kept under one}", {{1, "kept under one"}}},
        {"1000 {a} 4294967296 {b} 12345678901 {c} 998 {ok}", {{998, "ok"}}},
        {"1 {done} 2 {never clos", {{1, "done"}}},
        {"1 {abc\\", {}},
        {"1 {", {}},
        {"", {}},
        // An entry is cut at 2999 characters.
        {"9 {" + std::string(4000, 'x') + "} 10 {next}", {{9, std::string(CResourceTextTable::kMaxEntryLength, 'x')}, {10, "next"}}},
    };
    for (const auto& [script, entries] : cases)
        EXPECT_EQ(Entries(script), entries) << script;
}

TEST(ResourceTextTable, TypeIsComparedWithoutCase)
{
    const CResourceTextTable table("SALR", 129, "");
    EXPECT_TRUE(table.Is("salr", 129));
    EXPECT_FALSE(table.Is("SALR", 130));
    EXPECT_FALSE(table.Is("SSTR", 129));
}
