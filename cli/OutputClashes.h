#pragma once
// Keeps a run from writing over what it reads or over what it writes
// elsewhere: every input and output is known by its canonical path and, when
// it exists, by its device and inode (hard links), so that each new output
// is checked against all of them at once.
#include <string>
#include <sys/types.h>
#include <unordered_map>
#include <unordered_set>
#include <utility>

class OutputClashes {
public:
    void AddInput(const std::string& path);
    // CliUsageError when path is one of the inputs or an output added before.
    void AddOutput(const std::string& path);
    // True when path is one of the inputs.
    bool IsInput(const std::string& path) const;

private:
    struct Identity {
        std::string canonical;
        bool exists = false;
        std::pair<dev_t, ino_t> inode{};
    };
    struct InodeHash {
        std::size_t operator()(const std::pair<dev_t, ino_t>& inode) const {
            return std::hash<dev_t>()(inode.first) * 31 + std::hash<ino_t>()(inode.second);
        }
    };
    static Identity IdentityOf(const std::string& path);
    // The name of the known file with that identity, or nothing.
    const std::string* Find(const Identity& identity) const;
    void Remember(const Identity& identity, const std::string& path, bool input);

    std::unordered_map<std::string, std::string> byPath_;
    std::unordered_map<std::pair<dev_t, ino_t>, std::string, InodeHash> byInode_;
    std::unordered_set<std::string> inputs_;
};
