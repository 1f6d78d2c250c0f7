#include "framework/streams/COpenFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "framework/exceptions/GeneralExceptions.h"
#include "framework/files/CFileSpec.h"

namespace {

int OpenDescriptor(const CFileSpec& file, COpenFile::Access access)
{
    const std::string path = file.FullPath();
    // Opened without blocking so that a named pipe cannot hang the program;
    // reads and writes block as usual afterwards.
    const int descriptor = access == COpenFile::Access::kRead
        ? ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)
        : ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0666);
    if (descriptor < 0)
        throw WithSystemError(XCreateFailed(), errno);
    struct stat info;
    const int flags = ::fcntl(descriptor, F_GETFL);
    if (::fstat(descriptor, &info) != 0 || S_ISDIR(info.st_mode) || flags < 0 ||
        ::fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        const int error = S_ISDIR(info.st_mode) ? EISDIR : errno;
        ::close(descriptor);
        throw WithSystemError(XCreateFailed(), error);
    }
    ::posix_fadvise(descriptor, 0, 0, POSIX_FADV_RANDOM);
    return descriptor;
}

} // namespace

COpenFile::COpenFile(const CFileSpec& file, Access access)
    : descriptor_(OpenDescriptor(file, access))
{
}

COpenFile::COpenFile(int descriptor)
    : descriptor_(descriptor)
{
}

COpenFile::~COpenFile()
{
    if (descriptor_ >= 0)
        ::close(descriptor_);
}

void COpenFile::Read(std::int64_t count, void* buffer)
{
    if (count < 0)
        throw XRead();
    auto* bytes = static_cast<char*>(buffer);
    while (count > 0) {
        const ssize_t got = ::read(descriptor_, bytes, static_cast<std::size_t>(count));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            throw WithSystemError(XRead(), got < 0 ? errno : 0);
        bytes += got;
        count -= got;
    }
}

void COpenFile::Write(std::int64_t count, const void* buffer)
{
    if (count < 0)
        throw XWrite();
    const auto* bytes = static_cast<const char*>(buffer);
    while (count > 0) {
        const ssize_t put = ::write(descriptor_, bytes, static_cast<std::size_t>(count));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            throw WithSystemError(XWrite(), put < 0 ? errno : ENOSPC);
        bytes += put;
        count -= put;
    }
}

std::int64_t COpenFile::GetPosition()
{
    const off_t position = ::lseek(descriptor_, 0, SEEK_CUR);
    if (position < 0)
        throw WithSystemError(XFile(), errno);
    return position;
}

void COpenFile::SetPosition(std::int64_t position)
{
    if (position < 0 || ::lseek(descriptor_, position, SEEK_SET) != position)
        throw XPosition();
}

std::int64_t COpenFile::GetSize()
{
    struct stat info;
    if (::fstat(descriptor_, &info) != 0)
        throw WithSystemError(XPosition(), errno);
    return info.st_size;
}

void COpenFile::Sync()
{
    if (::fsync(descriptor_) != 0)
        throw WithSystemError(XWrite(), errno);
}

void COpenFile::Close()
{
    if (descriptor_ < 0)
        return;
    const int result = ::close(descriptor_);
    descriptor_ = -1;
    if (result != 0 && errno != EINTR)
        throw WithSystemError(XWrite(), errno);
}

bool FileExists(const CFileSpec& file)
{
    try {
        COpenFile probe(file);
        return true;
    } catch (const XFile&) {
        return false;
    }
}
