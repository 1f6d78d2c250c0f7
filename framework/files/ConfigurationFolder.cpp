#include "framework/files/ConfigurationFolder.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <unistd.h>

#include "framework/exceptions/GeneralExceptions.h"

namespace {

std::string HomeFolder()
{
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        return home;
    if (const passwd* user = ::getpwuid(::getuid()); user != nullptr && user->pw_dir != nullptr)
        return user->pw_dir;
    return ".";
}

}  // namespace

std::string ConfigurationFolder()
{
    const char* configured = std::getenv("XDG_CONFIG_HOME");
    const std::string base =
        configured != nullptr && configured[0] == '/' ? std::string(configured) : HomeFolder() + "/.config";
    return base + "/Quillet";
}

void CreateConfigurationFolder()
{
    std::error_code error;
    std::filesystem::create_directories(ConfigurationFolder(), error);
    if (error)
        throw XCreateFailed();
}
