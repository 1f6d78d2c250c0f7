#include "framework/streams/SafeSaveTemporaries.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kSuffixLength = 6;

// The longest prefix of text of at most bytes bytes that does not split a
// UTF-8 sequence.
std::string Shortened(const std::string& text, std::size_t bytes)
{
    if (text.size() <= bytes)
        return text;
    std::size_t end = bytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return text.substr(0, end);
}

} // namespace

std::string TemporaryCandidate(const std::string& targetPath, int k)
{
    const std::filesystem::path target(targetPath);
    // "." before, "." and the suffix after.
    const std::size_t room = kMaxFileNameBytes - 2 - kSuffixLength;
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "%06d", k % 1000000);
    return (target.parent_path() / ("." + Shortened(target.filename().string(), room) + "." + suffix)).string();
}

bool RemoveIfStale(const std::string& path)
{
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return errno == ENOENT;
    // The lock is taken without waiting, and the name must still be the file
    // that was locked.
    struct stat opened;
    struct stat named;
    bool free = false;
    if (::flock(descriptor, LOCK_EX | LOCK_NB) == 0 && ::fstat(descriptor, &opened) == 0 &&
        ::lstat(path.c_str(), &named) == 0 && opened.st_dev == named.st_dev && opened.st_ino == named.st_ino &&
        S_ISREG(opened.st_mode))
        free = ::unlink(path.c_str()) == 0;
    ::close(descriptor);
    return free;
}
