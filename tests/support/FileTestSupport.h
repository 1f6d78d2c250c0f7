#pragma once
// Helpers for tests that write files: temporary folders, file bytes and running
// the independent command-line readers.
#include <cstdint>
#include <filesystem>
#include <string>
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

std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& file);
void WriteFileBytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes);

// Offset of the data of the first chunk named id in a FORM or RIFF file, 0 when none.
std::size_t ChunkData(const std::vector<std::uint8_t>& file, const char* id);

// Runs a shell command and answers its standard output; exitStatus gets the status.
std::string RunCommand(const std::string& command, int* exitStatus = nullptr);

// The samples a file holds as sox decodes them: 16-bit signed, machine order.
std::vector<std::int16_t> SoxSamples(const std::filesystem::path& file);
