#include "framework/files/CDirSpec.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "framework/exceptions/XBase.h"

CDirSpec::CDirSpec(std::string path)
    : path_(std::move(path))
{
    if (path_.empty() || path_.back() != '/')
        path_ += '/';
}

CDirSpec CDirSpec::Current()
{
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    if (error)
        throw XBase();
    return CDirSpec(current.string());
}
