#pragma once
// Helpers for tests that write files: temporary folders, file bytes and running
// the independent command-line readers.
#include <cstdint>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <vector>

// A fresh folder under the system's temporary folder, removed with the object.
class CTempFolder {
public:
    CTempFolder();
    ~CTempFolder();
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// Files may grow to at most `bytes` while the object lives: a larger write
// fails as on a full disk.
class CFileSizeLimit {
public:
    explicit CFileSizeLimit(rlim_t bytes);
    ~CFileSizeLimit();

private:
    rlimit saved_{};
};

std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& file);
// How many entries a folder holds.
std::ptrdiff_t FileCount(const std::filesystem::path& folder);
void WriteFileBytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes);

// Offset of the data of the first chunk named id in a FORM or RIFF file, 0 when none.
std::size_t ChunkData(const std::vector<std::uint8_t>& file, const char* id);

// Runs a shell command and answers its standard output; exitStatus gets the status.
std::string RunCommand(const std::string& command, int* exitStatus = nullptr);

// Runs a python script with one argument and answers what it prints.
std::string RunPython(const std::string& script, const std::string& argument);

// The samples a file holds as sox decodes them: 16-bit signed, machine order.
std::vector<std::int16_t> SoxSamples(const std::filesystem::path& file);
