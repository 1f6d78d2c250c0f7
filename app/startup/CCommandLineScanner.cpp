#include "app/startup/CCommandLineScanner.h"

#include <filesystem>
#include <system_error>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::filesystem::path FullPath(const std::string& name, const std::string& baseFolder)
{
    std::filesystem::path path(name);
    if (path.is_relative() && !baseFolder.empty())
        path = std::filesystem::path(baseFolder) / path;
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return (error ? path : absolute).lexically_normal();
}

bool Exists(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::exists(path, error);
}

std::string TrimEnd(std::string text)
{
    while (!text.empty() && IsBlank(text.back()))
        text.pop_back();
    return text;
}

}  // namespace

CCommandLineScanner::Result CCommandLineScanner::Scan(const std::string& line, const std::string& baseFolder)
{
    Result result;
    auto add = [&](const std::string& name) {
        const std::filesystem::path path = FullPath(name, baseFolder);
        std::error_code error;
        result.found.push_back({path.string(), std::filesystem::is_directory(path, error)});
    };

    std::size_t at = 0;
    while (at < line.size()) {
        if (IsBlank(line[at])) {
            ++at;
            continue;
        }
        if (line[at] == '"') {
            const std::size_t close = line.find('"', at + 1);
            const std::size_t end = close == std::string::npos ? line.size() : close;
            const std::string name = line.substr(at + 1, end - at - 1);
            if (!name.empty() && Exists(FullPath(name, baseFolder))) {
                add(name);
            } else if (!name.empty()) {
                result.missing = ShortenForAlert(name);
                return result;
            }
            at = close == std::string::npos ? line.size() : close + 1;
            continue;
        }
        // The longest prefix ending before a blank or at the line's end.
        std::size_t best = 0;
        for (std::size_t end = at + 1; end <= line.size(); ++end) {
            if ((end == line.size() || IsBlank(line[end])) && !IsBlank(line[end - 1]) &&
                Exists(FullPath(line.substr(at, end - at), baseFolder)))
                best = end;
        }
        if (best == 0) {
            result.missing = ShortenForAlert(TrimEnd(line.substr(at)));
            return result;
        }
        add(line.substr(at, best - at));
        at = best;
    }
    return result;
}

std::string CCommandLineScanner::ShortenForAlert(const std::string& text)
{
    if (text.size() <= kMaxShownName)
        return text;
    return "..." + text.substr(text.size() - kShownTail);
}

std::string CCommandLineScanner::JoinArguments(const std::vector<std::string>& arguments)
{
    std::string line;
    for (const std::string& argument : arguments) {
        if (!line.empty())
            line += ' ';
        const bool quote = argument.find_first_of(" \t") != std::string::npos && argument.find('"') == std::string::npos;
        line += quote ? '"' + argument + '"' : argument;
    }
    return line;
}
