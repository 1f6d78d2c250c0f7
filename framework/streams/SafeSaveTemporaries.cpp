#include "framework/streams/SafeSaveTemporaries.h"

#include <cctype>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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

// Removes the temporary at path when nobody holds it: the lock is taken
// without waiting, and the name must still be the file that was locked.
void RemoveIfStale(const std::string& path)
{
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return;
    struct stat opened;
    struct stat named;
    if (::flock(descriptor, LOCK_EX | LOCK_NB) == 0 && ::fstat(descriptor, &opened) == 0 &&
        ::lstat(path.c_str(), &named) == 0 && opened.st_dev == named.st_dev && opened.st_ino == named.st_ino &&
        S_ISREG(opened.st_mode))
        ::unlink(path.c_str());
    ::close(descriptor);
}

} // namespace

std::string TemporaryPrefix(const std::string& targetName)
{
    // "." before, "." and the suffix after.
    const std::size_t room = kMaxFileNameBytes - 2 - kTemporarySuffixLength;
    return "." + Shortened(targetName, room) + ".";
}

bool IsTemporaryOf(const std::string& fileName, const std::string& prefix)
{
    if (fileName.size() != prefix.size() + kTemporarySuffixLength || fileName.compare(0, prefix.size(), prefix) != 0)
        return false;
    for (std::size_t i = prefix.size(); i < fileName.size(); ++i)
        if (!std::isalnum(static_cast<unsigned char>(fileName[i])))
            return false;
    return true;
}

void RemoveStaleTemporaries(const std::filesystem::path& folder, const std::set<std::string>& prefixes)
{
    if (prefixes.empty())
        return;
    const std::unique_ptr<DIR, int (*)(DIR*)> listing(::opendir(folder.empty() ? "." : folder.c_str()), ::closedir);
    if (!listing)
        return;
    while (const dirent* entry = ::readdir(listing.get())) {
        const std::string name = entry->d_name;
        if (name.size() <= kTemporarySuffixLength || name[0] != '.')
            continue;
        const auto prefix = prefixes.find(name.substr(0, name.size() - kTemporarySuffixLength));
        if (prefix != prefixes.end() && IsTemporaryOf(name, *prefix))
            RemoveIfStale((folder / name).string());
    }
}
