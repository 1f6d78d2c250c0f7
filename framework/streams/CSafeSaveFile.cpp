#include "framework/streams/CSafeSaveFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

#include "framework/exceptions/GeneralExceptions.h"
#include "framework/files/CFileSpec.h"
#include "framework/streams/SafeSaveTemporaries.h"

namespace {

constexpr int kNameAttempts = 100;

// The file a save really replaces: a symbolic link is followed so that the
// link itself survives.
std::filesystem::path ResolveTarget(const std::string& path)
{
    std::error_code error;
    std::filesystem::path resolved = std::filesystem::weakly_canonical(path, error);
    return error ? std::filesystem::path(path) : resolved;
}

// Locks a freshly created temporary. False when a cleaner took it away
// between its creation and the lock: the name no longer names this file.
bool LockAsOwnTemporary(int descriptor, const std::string& path)
{
    struct stat opened;
    struct stat named;
    while (::flock(descriptor, LOCK_EX) != 0)
        if (errno != EINTR)
            return false;
    return ::fstat(descriptor, &opened) == 0 && ::stat(path.c_str(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

} // namespace

void SyncFolder(const std::string& folder)
{
    const int descriptor = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
}

CSafeSaveFile::Temporary CSafeSaveFile::CreateTemporary(const CFileSpec& target)
{
    const std::filesystem::path targetPath = ResolveTarget(target.FullPath());
    struct stat existing;
    const bool exists = ::stat(targetPath.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode))
        throw WithSystemError(XCreateFailed(), S_ISDIR(existing.st_mode) ? EISDIR : EINVAL);

    // The candidates left by killed saves go first; then the first free name
    // is taken, beyond the candidates only when that many saves of the
    // target run at once.
    for (int k = 0; k < kTemporaryCandidates; ++k)
        RemoveIfStale(TemporaryCandidate(targetPath.string(), k));
    std::optional<std::mt19937> random;
    std::uniform_int_distribution<int> beyond(kTemporaryCandidates, 999999);
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        if (attempt == kTemporaryCandidates)
            random.emplace(std::random_device{}());
        const int k = attempt < kTemporaryCandidates ? attempt : beyond(*random);
        const std::string path = TemporaryCandidate(targetPath.string(), k);
        const int descriptor = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor < 0) {
            if (errno == EEXIST)
                continue;
            throw WithSystemError(XCreateFailed(), errno);
        }
        if (!LockAsOwnTemporary(descriptor, path)) {
            ::close(descriptor);
            continue;
        }
        // The new file keeps the permissions of the one it replaces.
        if (exists)
            ::fchmod(descriptor, existing.st_mode & 07777);
        return Temporary{targetPath.string(), path, descriptor};
    }
    throw WithSystemError(XCreateFailed(), EEXIST);
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
    if (!installed_)
        RemoveTemporary();
}

void CSafeSaveFile::Commit()
{
    try {
        Sync();
    } catch (...) {
        RemoveTemporary();
        throw;
    }
    Install();
    SyncFolder(std::filesystem::path(targetPath_).parent_path().string());
}

dev_t CSafeSaveFile::Device() const
{
    struct stat info;
    return ::fstat(Descriptor(), &info) == 0 ? info.st_dev : 0;
}

void CSafeSaveFile::SyncFileSystem()
{
    if (::syncfs(Descriptor()) != 0)
        throw WithSystemError(XWrite(), errno);
}

void CSafeSaveFile::Install()
{
    if (installed_ || temporaryPath_.empty())
        throw XInternalError();
    // Renamed while still open and locked, so that no cleaner can take it.
    if (std::rename(temporaryPath_.c_str(), targetPath_.c_str()) != 0) {
        const int error = errno;
        RemoveTemporary();
        throw WithSystemError(XFile(), error);
    }
    installed_ = true;
    try {
        Close();
    } catch (const XWrite&) {
        // The data were flushed before the rename; the close has nothing left to lose.
    }
}

void CSafeSaveFile::RemoveTemporary()
{
    if (temporaryPath_.empty())
        return;
    ::unlink(temporaryPath_.c_str());
    temporaryPath_.clear();
}
