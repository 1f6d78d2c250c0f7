#include "framework/streams/CSafeSaveFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

#include "framework/exceptions/GeneralExceptions.h"
#include "framework/files/CFileSpec.h"

namespace {

constexpr int kNameAttempts = 100;

std::string RandomSuffix(std::mt19937& random)
{
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    std::string suffix(6, ' ');
    for (char& c : suffix)
        c = kLetters[pick(random)];
    return suffix;
}

// The file a save really replaces: a symbolic link is followed so that the
// link itself survives.
std::filesystem::path ResolveTarget(const std::string& path)
{
    std::error_code error;
    std::filesystem::path resolved = std::filesystem::weakly_canonical(path, error);
    return error ? std::filesystem::path(path) : resolved;
}

// Flushes the folder's entry list so that the rename itself survives a crash.
void SyncFolder(const std::filesystem::path& folder)
{
    const int descriptor = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
}

} // namespace

CSafeSaveFile::Temporary CSafeSaveFile::CreateTemporary(const CFileSpec& target)
{
    const std::filesystem::path targetPath = ResolveTarget(target.FullPath());
    struct stat existing;
    const bool exists = ::stat(targetPath.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode))
        throw XCreateFailed();

    std::mt19937 random(std::random_device{}());
    const std::filesystem::path folder = targetPath.parent_path();
    const std::string prefix = "." + targetPath.filename().string() + ".";
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string path = (folder / (prefix + RandomSuffix(random))).string();
        const int descriptor = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor < 0) {
            if (errno == EEXIST)
                continue;
            throw XCreateFailed();
        }
        // The new file keeps the permissions of the one it replaces.
        if (exists)
            ::fchmod(descriptor, existing.st_mode & 07777);
        return Temporary{targetPath.string(), path, descriptor};
    }
    throw XCreateFailed();
}

CSafeSaveFile::CSafeSaveFile(const CFileSpec& target)
    : CSafeSaveFile(CreateTemporary(target))
{
}

CSafeSaveFile::CSafeSaveFile(Temporary temporary)
    : COpenFile(temporary.descriptor)
    , targetPath_(std::move(temporary.targetPath))
    , temporaryPath_(std::move(temporary.path))
{
}

CSafeSaveFile::~CSafeSaveFile()
{
    if (!committed_)
        RemoveTemporary();
}

void CSafeSaveFile::Commit()
{
    if (committed_ || temporaryPath_.empty())
        throw XInternalError();
    try {
        Sync();
        Close();
        if (std::rename(temporaryPath_.c_str(), targetPath_.c_str()) != 0)
            throw XFile();
    } catch (...) {
        RemoveTemporary();
        throw;
    }
    committed_ = true;
    SyncFolder(std::filesystem::path(targetPath_).parent_path());
}

void CSafeSaveFile::RemoveTemporary()
{
    if (temporaryPath_.empty())
        return;
    ::unlink(temporaryPath_.c_str());
    temporaryPath_.clear();
}
