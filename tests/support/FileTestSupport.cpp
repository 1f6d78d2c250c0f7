#include "tests/support/FileTestSupport.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <csignal>
#include <stdexcept>
#include <sys/wait.h>

CTempFolder::CTempFolder() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() / ("quillet-exports-" + std::to_string(random()));
    std::filesystem::create_directories(path_);
}

CTempFolder::~CTempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

CFileSizeLimit::CFileSizeLimit(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

CFileSizeLimit::~CFileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }

std::ptrdiff_t FileCount(const std::filesystem::path& folder) {
    return std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator());
}

std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + file.string());
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

namespace {

std::uint32_t BigEndian32(const std::uint8_t* p) {
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

}  // namespace

std::size_t ChunkData(const std::vector<std::uint8_t>& file, const char* id) {
    for (std::size_t at = 12; at + 8 <= file.size(); at += 8 + BigEndian32(&file[at + 4]))
        if (std::memcmp(&file[at], id, 4) == 0) return at + 8;
    return 0;
}

std::string RunCommand(const std::string& command, int* exitStatus) {
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) throw std::runtime_error("cannot run " + command);
    std::string output;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
    const int status = pclose(pipe);
    if (exitStatus) *exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return output;
}

std::string RunPython(const std::string& script, const std::string& argument) {
    CTempFolder folder;
    WriteFileBytes(folder / "script.py", std::vector<std::uint8_t>(script.begin(), script.end()));
    return RunCommand("/usr/bin/python3 '" + (folder / "script.py").string() + "' '" + argument + "'");
}

std::vector<std::int16_t> SoxSamples(const std::filesystem::path& file) {
    const std::string raw = RunCommand("sox '" + file.string() + "' -t raw -e signed -b 16 -L - 2>/dev/null");
    std::vector<std::int16_t> samples(raw.size() / 2);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::int16_t>(static_cast<std::uint8_t>(raw[2 * i]) |
                                               (static_cast<std::uint8_t>(raw[2 * i + 1]) << 8));
    return samples;
}
