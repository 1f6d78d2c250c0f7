#include "samplers/identification/Identification.h"

#include <charconv>

namespace {

std::optional<int> Number(const std::string& text, int maximum)
{
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || value < 0 || value > maximum)
        return std::nullopt;
    return value;
}

}  // namespace

std::optional<CVersion> VersionFromRevision(const std::string& revision)
{
    const std::size_t dot = revision.find_first_of(".,");
    if (dot == std::string::npos)
        return std::nullopt;
    const std::optional<int> major = Number(revision.substr(0, dot), 254);
    const std::optional<int> minor = Number(revision.substr(dot + 1), 99);
    if (!major || !minor)
        return std::nullopt;
    return CVersion(static_cast<std::uint8_t>(*major), static_cast<std::uint8_t>(*minor));
}
