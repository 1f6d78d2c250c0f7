#include "framework/files/CFileSpec.h"

#include <sys/stat.h>

#include <filesystem>
#include <system_error>
#include <utility>

#include "framework/files/CDirSpec.h"

namespace {

constexpr std::size_t kMaxExtensionLength = 8;

std::string Canonical(const std::string& path)
{
    std::error_code error;
    const std::filesystem::path canonical = std::filesystem::weakly_canonical(path, error);
    // A path that cannot be resolved is compared as it is spelt, made absolute.
    if (error)
        return std::filesystem::absolute(path, error).lexically_normal().string();
    return canonical.string();
}

} // namespace

void SplitFileName(const std::string& fileName, std::string& baseName, std::string& extension)
{
    const std::size_t dot = fileName.rfind('.');
    if (dot != std::string::npos && fileName.size() - dot <= kMaxExtensionLength) {
        baseName = fileName.substr(0, dot);
        extension = fileName.substr(dot);
    } else {
        baseName = fileName;
        extension.clear();
    }
}

CFileSpec::CFileSpec(std::string directory, std::string name, std::string extension)
    : directory_(std::move(directory))
    , name_(std::move(name))
    , extension_(std::move(extension))
{
    if (!directory_.empty() && directory_.back() != '/')
        directory_ += '/';
}

CFileSpec::CFileSpec(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    directory_ = path.substr(0, nameStart);
    SplitFileName(path.substr(nameStart), name_, extension_);
}

CFileSpec CFileSpec::InCurrentDirectory(const std::string& name)
{
    return CFileSpec(CDirSpec::Current().Path() + name);
}

std::string CFileSpec::FullPath() const
{
    return directory_ + name_ + extension_;
}

std::string CFileSpec::NameWithExtension() const
{
    return name_ + extension_;
}

CFileSpec CFileSpec::Normalised() const
{
    return CFileSpec(Canonical(FullPath()));
}

bool CFileSpec::IsSameFile(const CFileSpec& other) const
{
    if (Canonical(FullPath()) == Canonical(other.FullPath()))
        return true;
    // Hard links and bind mounts: one file under two paths.
    struct stat mine;
    struct stat theirs;
    return ::stat(FullPath().c_str(), &mine) == 0 && ::stat(other.FullPath().c_str(), &theirs) == 0 &&
           mine.st_dev == theirs.st_dev && mine.st_ino == theirs.st_ino;
}
