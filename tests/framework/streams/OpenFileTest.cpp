#include "framework/streams/COpenFile.h"
#include "framework/streams/CSafeSaveBatch.h"
#include "framework/streams/CSafeSaveFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "framework/exceptions/GeneralExceptions.h"
#include "framework/files/CFileSpec.h"
#include "tests/support/FileTestSupport.h"

namespace fs = std::filesystem;

namespace {

// A fresh folder for each case.
class FileTest : public ::testing::Test {
protected:
    CFileSpec FileAt(const std::string& name) const { return CFileSpec((folder_ / name).string()); }
    std::string Slurp(const std::string& name) const
    {
        std::ostringstream text;
        text << std::ifstream(folder_ / name, std::ios::binary).rdbuf();
        return text.str();
    }
    void Put(const std::string& name, const std::string& text) const { std::ofstream(folder_ / name) << text; }
    auto FileCount() const { return ::FileCount(folder_); }

    CTempFolder temp_;
    const fs::path& folder_ = temp_.Path();
};

} // namespace

TEST_F(FileTest, WriteTruncatesThenReadsBackButNotPastTheEnd)
{
    Put("a.bin", "a long old text");
    {
        COpenFile file(FileAt("a.bin"), COpenFile::Access::kWrite);
        file.Write(5, "hello");
        file.WriteAt(1, 1, "E");
        EXPECT_EQ(file.GetPosition(), 2);
        EXPECT_EQ(file.GetSize(), 5);
    }
    COpenFile file(FileAt("a.bin"));
    char text[6] = {};
    file.ReadAt(0, 5, text);
    EXPECT_STREQ(text, "hEllo");
    EXPECT_EQ(file.ReadWordAt(3), 'l' | ('o' << 8));
    EXPECT_EQ(file.GetSize(), 5);
    file.SetPosition(2);
    EXPECT_THROW(file.Read(4, text), XRead);
    EXPECT_THROW(file.SetPosition(-1), XPosition);
}

TEST_F(FileTest, MissingFileOrFolderCannotBeOpenedNorAPipeNoOneReads)
{
    EXPECT_THROW(COpenFile(FileAt("missing.bin")), XCreateFailed);
    EXPECT_FALSE(FileExists(FileAt("missing.bin")));
    EXPECT_FALSE(FileExists(CFileSpec(folder_.string())));
    EXPECT_THROW(COpenFile(FileAt("no/such/folder.bin"), COpenFile::Access::kWrite), XCreateFailed);
    Put("there.txt", "");
    EXPECT_TRUE(FileExists(FileAt("there.txt")));
    // A named pipe does not hang.
    ASSERT_EQ(::mkfifo((folder_ / "pipe").c_str(), 0600), 0);
    // No one reads the pipe, so it cannot be written.
    EXPECT_THROW(COpenFile(FileAt("pipe"), COpenFile::Access::kWrite), XCreateFailed);
    COpenFile pipe(FileAt("pipe"));
    char byte;
    EXPECT_THROW(pipe.Read(1, &byte), XRead);
}

TEST_F(FileTest, SafeSaveReplacesTargetOnCommit)
{
    Put("song.aif", "old");
    fs::permissions(folder_ / "song.aif", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    {
        CSafeSaveFile file(FileAt("song.aif"));
        EXPECT_EQ(fs::path(file.TemporaryPath()).parent_path(), folder_);
        file.Write(3, "new");
        EXPECT_EQ(Slurp("song.aif"), "old");
        file.Commit();
    }
    EXPECT_EQ(Slurp("song.aif"), "new");
    EXPECT_EQ(FileCount(), 1);
    EXPECT_EQ(fs::status(folder_ / "song.aif").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(FileTest, SafeSaveWithoutCommitLeavesTargetAlone)
{
    Put("song.aif", "old");
    try {
        CSafeSaveFile file(FileAt("song.aif"));
        file.Write(3, "new");
        throw XWrite(); // a writer failing midway
    } catch (const XWrite&) {
    }
    EXPECT_EQ(Slurp("song.aif"), "old");
    EXPECT_EQ(FileCount(), 1);
    {
        CSafeSaveFile file(FileAt("fresh.aif"));
        file.Write(3, "new");
    }
    EXPECT_EQ(FileCount(), 1);
}

TEST_F(FileTest, SafeSaveFollowsSymbolicLinks)
{
    Put("real.aif", "old");
    fs::create_symlink(folder_ / "real.aif", folder_ / "link.aif");
    CSafeSaveFile file(FileAt("link.aif"));
    file.Write(3, "new");
    file.Commit();
    EXPECT_TRUE(fs::is_symlink(folder_ / "link.aif"));
    EXPECT_EQ(Slurp("real.aif"), "new");
}

TEST_F(FileTest, SafeSaveOverAFolderOrInAReadOnlyFolderFails)
{
    fs::create_directory(folder_ / "sub");
    EXPECT_THROW(CSafeSaveFile file(FileAt("sub")), XCreateFailed);
    if (::geteuid() == 0) {
        // Folder permissions do not bind root; /proc refuses new files to anyone.
        EXPECT_THROW(CSafeSaveFile file(CFileSpec("/proc/song.aif")), XCreateFailed);
        return;
    }
    Put("song.aif", "old");
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_THROW(CSafeSaveFile file(FileAt("song.aif")), XCreateFailed);
    fs::permissions(folder_, fs::perms::owner_all);
    EXPECT_EQ(Slurp("song.aif"), "old");
    EXPECT_EQ(FileCount(), 2);
}

TEST_F(FileTest, FailedCommitRemovesTemporary)
{
    Put("song.aif", "old");
    CSafeSaveFile file(FileAt("song.aif"));
    file.Write(3, "new");
    // The target is replaced by a folder meanwhile: the rename must fail.
    fs::remove(folder_ / "song.aif");
    fs::create_directory(folder_ / "song.aif");
    fs::create_directory(folder_ / "song.aif" / "keep");
    EXPECT_THROW(file.Commit(), XFile);
    EXPECT_EQ(FileCount(), 1);
    EXPECT_TRUE(fs::is_directory(folder_ / "song.aif" / "keep"));
}

TEST_F(FileTest, SafeSaveFitsTheLongestNames)
{
    std::string accented;
    for (int i = 0; i < 127; ++i)
        accented += "\xC3\xA9"; // é
    for (const std::string& name : {std::string(247, 'a'), std::string(248, 'b'), std::string(255, 'c'), accented + "d"}) {
        Put(name, "old");
        CSafeSaveFile file(FileAt(name));
        EXPECT_LE(fs::path(file.TemporaryPath()).filename().string().size(), 255u) << name.size();
        file.Write(3, "new");
        file.Commit();
        EXPECT_EQ(Slurp(name), "new") << name.size();
    }
    EXPECT_EQ(FileCount(), 4);
}

TEST_F(FileTest, SafeSaveRemovesOnlyTheStaleTemporariesOfItsTarget)
{
    for (const char* name : {".song.aif.000000", ".song.aif.000001", ".song.aif.000007", ".other.aif.000000"})
        Put(name, "left over");
    // A save still running elsewhere holds its temporary locked.
    const int running = ::open((folder_ / ".song.aif.000001").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(running, LOCK_EX), 0);
    CSafeSaveFile file(FileAt("song.aif"));
    file.Write(3, "new");
    file.Commit();
    ::close(running);
    for (const char* removed : {".song.aif.000000", ".song.aif.000007"})
        EXPECT_FALSE(fs::exists(folder_ / removed)) << removed;
    for (const char* kept : {".song.aif.000001", ".other.aif.000000", "song.aif"})
        EXPECT_TRUE(fs::exists(folder_ / kept)) << kept;
}

TEST_F(FileTest, BatchPutsEveryWrittenFileInPlaceAndKeepsAFailureApart)
{
    Put("b.aif", "old");
    Put(".c.aif.000000", "left over");
    CSafeSaveBatch batch;
    for (const char* name : {"a.aif", "b.aif", "c.aif"}) {
        auto file = std::make_unique<CSafeSaveFile>(FileAt(name));
        file->Write(3, "new");
        batch.Add(std::move(file));
    }
    EXPECT_EQ(Slurp("b.aif"), "old");
    fs::remove(folder_ / "b.aif");
    fs::create_directory(folder_ / "b.aif"); // its rename must fail
    EXPECT_THROW(batch.Commit(), XFile);
    EXPECT_EQ(Slurp("a.aif"), "new");
    EXPECT_EQ(Slurp("c.aif"), "new");
    EXPECT_EQ(FileCount(), 3); // no temporary left, the stale one of c.aif gone
}

TEST_F(FileTest, FailuresCarryTheSystemsReason)
{
    try {
        CSafeSaveFile file(CFileSpec((folder_ / "missing" / "song.aif").string()));
        FAIL();
    } catch (const XCreateFailed& failure) {
        EXPECT_EQ(failure.SystemError(), ENOENT);
    }
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    // A full disk raises XWrite.
    try {
        COpenFile full(CFileSpec("/dev/full"), COpenFile::Access::kWrite);
        full.Write(4, "data");
        FAIL();
    } catch (const XWrite& failure) {
        EXPECT_EQ(failure.SystemError(), ENOSPC);
    }
}
