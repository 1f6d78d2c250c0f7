#include "app/startup/CCommandLineScanner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/support/FileTestSupport.h"

namespace {

class CommandLineScannerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directories(folder_ / "Loops Folder");
        for (const char* name : {"a.wav", "My Loop.aif", "My", "My Loop.aif extra.wav"})
            std::ofstream(folder_ / name) << "x";
    }
    std::string In(const std::string& name) const { return (folder_ / name).string(); }

    CTempFolder temp_;
    const std::filesystem::path& folder_ = temp_.Path();
};

}  // namespace

TEST_F(CommandLineScannerTest, QuotedUnquotedWithBlanksAndMissing)
{
    const auto result = CCommandLineScanner::Scan("\"a.wav\"   My Loop.aif nothing here.wav", folder_.string());
    ASSERT_EQ(result.found.size(), 2u);
    EXPECT_EQ(result.found[0].path, In("a.wav"));
    EXPECT_EQ(result.found[1].path, In("My Loop.aif"));
    ASSERT_TRUE(result.missing.has_value());
    EXPECT_EQ(*result.missing, "nothing here.wav");
}

TEST_F(CommandLineScannerTest, LongestExistingPrefixWins)
{
    // "My", "My Loop.aif" and "My Loop.aif extra.wav" all exist.
    const auto result = CCommandLineScanner::Scan("My Loop.aif extra.wav", folder_.string());
    ASSERT_EQ(result.found.size(), 1u);
    EXPECT_EQ(result.found[0].path, In("My Loop.aif extra.wav"));
    EXPECT_FALSE(result.missing);
}

TEST_F(CommandLineScannerTest, FoldersAndAbsolutePathsAreFoundBlanksGiveNothing)
{
    const auto result = CCommandLineScanner::Scan(In("Loops Folder") + "  " + In("a.wav") + " ", "/");
    ASSERT_EQ(result.found.size(), 2u);
    EXPECT_TRUE(result.found[0].isFolder);
    EXPECT_FALSE(result.found[1].isFolder);
    EXPECT_FALSE(result.missing);
    // Empty and blank lines find nothing.
    EXPECT_TRUE(CCommandLineScanner::Scan("", folder_.string()).found.empty());
    const auto blank = CCommandLineScanner::Scan("  \t ", folder_.string());
    EXPECT_TRUE(blank.found.empty());
    EXPECT_FALSE(blank.missing);
}

TEST_F(CommandLineScannerTest, MissingQuotedNameAndUnclosedQuote)
{
    const auto missing = CCommandLineScanner::Scan("\"gone.wav\" a.wav", folder_.string());
    EXPECT_TRUE(missing.found.empty());
    EXPECT_EQ(missing.missing, "gone.wav");
    const auto unclosed = CCommandLineScanner::Scan("\"My Loop.aif", folder_.string());
    ASSERT_EQ(unclosed.found.size(), 1u);
    EXPECT_EQ(unclosed.found[0].path, In("My Loop.aif"));
}

TEST(CCommandLineScanner, LongMissingNameShowsItsLast61CharactersAndJoinQuotes)
{
    const std::string exactly64(64, 'x');
    EXPECT_EQ(CCommandLineScanner::ShortenForAlert(exactly64), exactly64);
    const std::string long65 = "A" + std::string(64, 'y');
    EXPECT_EQ(CCommandLineScanner::ShortenForAlert(long65), "..." + std::string(61, 'y'));
    // Joining quotes the arguments with blanks.
    EXPECT_EQ(CCommandLineScanner::JoinArguments({"a.wav", "My Loop.aif", "b"}), "a.wav \"My Loop.aif\" b");
    EXPECT_EQ(CCommandLineScanner::JoinArguments({}), "");
}
