#include "framework/files/CTraceFile.h"

#include <filesystem>

#include "framework/exceptions/GeneralExceptions.h"

std::string CTraceFile::PathFor(const std::string& folder, const std::string& name, const std::string& suffix)
{
    std::string safe = name;
    for (char& c : safe)
        if (c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20)
            c = '_';
    if (safe.empty() || safe == "." || safe == "..")
        safe = "_" + safe;
    return (std::filesystem::path(folder) / (safe + suffix)).string();
}

CTraceFile::CTraceFile(const std::string& path)
{
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    fFile = std::fopen(path.c_str(), "ab");
    if (!fFile)
        throw XCreateFailed();
}

CTraceFile::~CTraceFile()
{
    std::fclose(fFile);
}

void CTraceFile::Append(const void* bytes, std::size_t count)
{
    std::fwrite(bytes, 1, count, fFile);
    std::fflush(fFile);
}
