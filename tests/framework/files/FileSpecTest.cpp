#include "framework/files/CDirSpec.h"
#include "framework/files/CFileSpec.h"
#include "framework/files/CRecentDocuments.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <tuple>

#include "tests/support/FileTestSupport.h"

namespace fs = std::filesystem;

TEST(SplitFileName, ExtensionOfAtMostEightCharacters)
{
    for (const auto& [name, base, extension] : {std::tuple{"loop.aiff", "loop", ".aiff"},
                                                {"a.b.1234567", "a.b", ".1234567"},
                                                {"a.b.12345678", "a.b.12345678", ""},
                                                {"noext", "noext", ""}}) {
        std::string gotBase, gotExtension;
        SplitFileName(name, gotBase, gotExtension);
        EXPECT_EQ(gotBase, base) << name;
        EXPECT_EQ(gotExtension, extension) << name;
    }
}

TEST(CFileSpec, SplitsAndJoinsPathsInFoldersEndingInSlashes)
{
    const CFileSpec file("/music/loops.v2/Funk Loop.aif");
    EXPECT_EQ(file.Directory(), "/music/loops.v2/");
    EXPECT_EQ(file.Name(), "Funk Loop");
    EXPECT_EQ(file.Extension(), ".aif");
    EXPECT_EQ(file.NameWithExtension(), "Funk Loop.aif");
    // A dot in the folder is not an extension.
    EXPECT_EQ(CFileSpec("/music/loops.v2/README").Extension(), "");
    EXPECT_EQ(CFileSpec("/tmp", "a", ".wav").FullPath(), "/tmp/a.wav");
    EXPECT_EQ(CFileSpec("plain.txt").Directory(), "");
    // A folder always ends in a slash.
    EXPECT_EQ(CDirSpec("/tmp").Path(), "/tmp/");
    EXPECT_EQ(CDirSpec("/tmp/").Path(), "/tmp/");
    const std::string current = CDirSpec::Current().Path();
    EXPECT_EQ(current, fs::current_path().string() + "/");
    EXPECT_EQ(CFileSpec::InCurrentDirectory("x.qlt").FullPath(), current + "x.qlt");
}

namespace {

class RecentDocumentsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(folder_ / "sub");
        for (const char* name : {"a.qlt", "b.qlt", "c.qlt", "d.qlt", "e.qlt", "A.qlt"})
            std::ofstream(folder_ / name) << name;
    }
    CFileSpec FileAt(const std::string& relative) const { return CFileSpec((folder_ / relative).string()); }

    CTempFolder temp_;
    const fs::path& folder_ = temp_.Path();
};

} // namespace

TEST_F(RecentDocumentsTest, SameFileUnderAnotherPathLeavesOneEntry)
{
    fs::create_symlink(folder_ / "a.qlt", folder_ / "link.qlt");
    CRecentDocuments recent;
    recent.Add(FileAt("a.qlt"));
    recent.Add(FileAt("b.qlt"));
    recent.Add(FileAt("sub/../a.qlt"));
    recent.Add(FileAt("link.qlt"));
    ASSERT_EQ(recent.Count(), 2u);
    EXPECT_EQ(recent[0].FullPath(), FileAt("link.qlt").FullPath());
    EXPECT_EQ(recent[1].NameWithExtension(), "b.qlt");
    EXPECT_EQ(FileAt("sub/../link.qlt").Normalised().FullPath(), FileAt("a.qlt").FullPath());
    EXPECT_EQ(FileAt("sub/./new.qlt").Normalised().FullPath(), FileAt("sub/new.qlt").FullPath());
    // Names differing in case are different files here.
    recent.Add(FileAt("A.qlt"));
    EXPECT_EQ(recent.Count(), 3u);
}

TEST_F(RecentDocumentsTest, KeepsTheFourMostRecent)
{
    CRecentDocuments recent;
    for (const char* name : {"a.qlt", "b.qlt", "c.qlt", "d.qlt", "e.qlt"})
        recent.Add(FileAt(name));
    ASSERT_EQ(recent.Count(), CRecentDocuments::kMaxCount);
    EXPECT_EQ(recent[0].Name(), "e");
    EXPECT_EQ(recent[3].Name(), "b");
    recent.Add(FileAt("c.qlt"));
    ASSERT_EQ(recent.Count(), 4u);
    EXPECT_EQ(recent[0].Name(), "c");
    EXPECT_EQ(recent[1].Name(), "e");
    EXPECT_EQ(recent[3].Name(), "b");
}

TEST_F(RecentDocumentsTest, RemoveMissingDropsWhatIsNotFoundKeepingTheOrder)
{
    CRecentDocuments recent;
    for (const char* name : {"a.qlt", "b.qlt", "c.qlt", "d.qlt"})
        recent.Add(FileAt(name));
    const auto found = [](const CFileSpec& file) { return file.Name() != "b" && file.Name() != "d"; };
    EXPECT_TRUE(recent.RemoveMissing(found));
    ASSERT_EQ(recent.Count(), 2u);
    EXPECT_EQ(recent[0].Name(), "c");
    EXPECT_EQ(recent[1].Name(), "a");
    EXPECT_FALSE(recent.RemoveMissing(found));
}
