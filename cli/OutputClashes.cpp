#include "cli/OutputClashes.h"

#include <filesystem>
#include <sys/stat.h>
#include <system_error>

#include "cli/CliFailure.h"

OutputClashes::Identity OutputClashes::IdentityOf(const std::string& path) {
    Identity identity;
    std::error_code error;
    const std::filesystem::path canonical = std::filesystem::weakly_canonical(path, error);
    identity.canonical = error ? path : canonical.string();
    struct stat info;
    if (::stat(path.c_str(), &info) == 0) {
        identity.exists = true;
        identity.inode = {info.st_dev, info.st_ino};
    }
    return identity;
}

const std::string* OutputClashes::Find(const Identity& identity) const {
    if (const auto found = byPath_.find(identity.canonical); found != byPath_.end()) return &found->second;
    if (identity.exists)
        if (const auto found = byInode_.find(identity.inode); found != byInode_.end()) return &found->second;
    return nullptr;
}

void OutputClashes::Remember(const Identity& identity, const std::string& path, bool input) {
    byPath_.emplace(identity.canonical, path);
    if (identity.exists) byInode_.emplace(identity.inode, path);
    if (input) inputs_.insert(identity.canonical);
}

void OutputClashes::AddInput(const std::string& path) { Remember(IdentityOf(path), path, true); }

void OutputClashes::AddOutput(const std::string& path) {
    const Identity identity = IdentityOf(path);
    if (const std::string* known = Find(identity)) {
        const bool input = inputs_.count(IdentityOf(*known).canonical) > 0;
        throw CliUsageError("refusing to write " + path + ": it is the same file as the " +
                            (input ? "input " : "output ") + *known);
    }
    Remember(identity, path, false);
}

bool OutputClashes::IsInput(const std::string& path) const {
    const std::string* known = Find(IdentityOf(path));
    return known != nullptr && inputs_.count(IdentityOf(*known).canonical) > 0;
}
