#pragma once
// A file a trace is appended to: every Append reaches the file at once, so a
// crash keeps what was written. The folder is created when it is missing.
#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

class CTraceFile {
public:
    // "<folder>/<name><suffix>", with the characters a file name may not hold
    // in `name` replaced by '_'.
    static std::string PathFor(const std::string& folder, const std::string& name, const std::string& suffix);

    // Raises XCreateFailed when the file cannot be opened.
    explicit CTraceFile(const std::string& path);
    ~CTraceFile();
    CTraceFile(const CTraceFile&) = delete;
    CTraceFile& operator=(const CTraceFile&) = delete;

    void Append(const void* bytes, std::size_t count);
    void Append(std::string_view text) { Append(text.data(), text.size()); }

private:
    std::FILE* fFile;
};
