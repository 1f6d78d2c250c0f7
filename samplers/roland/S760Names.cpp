#include "samplers/roland/S760Names.h"

#include <algorithm>

namespace S760 {

namespace {

constexpr std::size_t kPrefix = 3;
constexpr std::size_t kTextLength = 12;

std::string Trimmed(std::string name)
{
    while (!name.empty() && (name.back() == ' ' || name.back() == '\0'))
        name.pop_back();
    return name;
}

}  // namespace

std::string SampleNameForm(std::string_view name)
{
    if (name.size() > kPrefix && name[kPrefix] == ':')
        return std::string(name.substr(0, kNameLength));
    return "   :" + std::string(name.substr(0, kTextLength));
}

std::string PatchNameForm(std::string_view name)
{
    const std::size_t colon = name.find(':');
    if (colon == std::string_view::npos)
        return "QLT:" + std::string(name.substr(0, kTextLength));
    std::string form = "   :";
    const std::string_view prefix = name.substr(0, std::min(colon, kPrefix));
    std::copy(prefix.begin(), prefix.end(), form.begin());
    return form + std::string(name.substr(colon + 1, kTextLength));
}

std::string StereoHalfName(std::string_view name, bool right)
{
    std::string marked(name.substr(0, kNameLength));
    marked.resize(kNameLength, ' ');
    marked[14] = static_cast<char>(kStereoMark);
    marked[15] = right ? 'R' : 'L';
    return marked;
}

bool HasStereoMark(std::string_view name)
{
    return name.size() == kNameLength && static_cast<std::uint8_t>(name[14]) == kStereoMark &&
           (name[15] == 'L' || name[15] == 'R');
}

std::string ShownName(std::string_view name)
{
    std::string shown(name);
    if (HasStereoMark(shown))
        shown[14] = shown[15] = ' ';
    return Trimmed(std::move(shown));
}

std::array<std::uint8_t, kNameLength> NameBytes(std::string_view name)
{
    std::array<std::uint8_t, kNameLength> bytes;
    bytes.fill(' ');
    std::copy_n(name.begin(), std::min(name.size(), kNameLength), bytes.begin());
    return bytes;
}

std::string NameText(const std::uint8_t* bytes)
{
    return Trimmed(std::string(bytes, bytes + kNameLength));
}

}  // namespace S760
