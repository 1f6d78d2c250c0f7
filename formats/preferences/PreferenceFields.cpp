#include "formats/preferences/PreferenceFields.h"

#include <algorithm>
#include <cstring>

#include "framework/exceptions/GeneralExceptions.h"

namespace PreferenceFields {

void WriteText(std::uint8_t* dest, std::size_t width, std::size_t maxLength, std::string_view text)
{
    const std::size_t length = std::min({text.size(), maxLength, width});
    std::memset(dest, 0, width);
    std::memcpy(dest, text.data(), length);
}

std::string ReadText(const std::uint8_t* src, std::size_t width)
{
    const auto* end = static_cast<const std::uint8_t*>(std::memchr(src, 0, width));
    return std::string(reinterpret_cast<const char*>(src), end ? static_cast<std::size_t>(end - src) : width);
}

void RequireSize(std::uint32_t size, std::uint32_t needed)
{
    if (size < needed)
        throw XInvalidPreferencesChunk();
}

void RequireRange(long long value, long long low, long long high)
{
    if (value < low || value > high)
        throw XInvalidPreferencesChunk();
}

}  // namespace PreferenceFields
