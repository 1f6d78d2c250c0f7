#include "samplers/transfer/SliceNames.h"

#include <cstdio>

std::string SliceSampleName(std::string_view base, int index, std::size_t width)
{
    std::string name(base.substr(0, width));
    name.resize(width, ' ');
    char number[16];
    std::snprintf(number, sizeof number, "%3d", index + 1);
    const std::string digits(number);
    const std::size_t replaced = std::min<std::size_t>(3, width);
    name.replace(width - replaced, replaced, digits.substr(digits.size() - replaced));
    return name;
}

std::string CollapseBlanks(std::string_view name)
{
    std::string collapsed;
    for (std::size_t i = 0; i < name.size(); ++i)
        if (!(name[i] == ' ' && i + 1 < name.size() && name[i + 1] == ' '))
            collapsed += name[i];
    return collapsed;
}

std::string KeepAllowed(std::string_view name, std::string_view allowed, std::string_view fallback)
{
    std::string kept;
    for (const char c : name)
        if (allowed.find(c) != std::string_view::npos)
            kept += c;
    return kept.empty() ? std::string(fallback) : kept;
}

std::string CutExtension(std::string_view name)
{
    return std::string(name.substr(0, name.find('.')));
}

std::string UpperCase(std::string_view name)
{
    std::string upper(name);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return upper;
}
