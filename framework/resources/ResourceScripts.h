#pragma once
// Looking up script entries by id. An id is T * 100000000 + R * 1000 + I;
// each lookup names its own resource type, so the family digit T is not
// consulted. An entry the script does not define reads as an empty string.
#include <cstddef>
#include <cstdint>
#include <string>

#include "resources/CaravelResources.h"

inline constexpr std::uint16_t ResourceNumberOf(ResourceId id)
{
    return static_cast<std::uint16_t>((id % 100000000u) / 1000u);
}
inline constexpr std::size_t EntryIndexOf(ResourceId id) { return id % 1000u; }

// Entry I of SSTR, SALR or SMNU resource R.
std::string GetResourceString(ResourceId id);
std::string GetAlertScript(ResourceId id);
std::string GetMenuScript(ResourceId id);

// The same into a caller's buffer: at most min(size, 3000) characters, always
// NUL-terminated at or before buffer[size], so the buffer holds size + 1 bytes.
void GetResourceString(ResourceId id, char* buffer, std::size_t size);
void GetAlertScript(ResourceId id, char* buffer, std::size_t size);
void GetMenuScript(ResourceId id, char* buffer, std::size_t size);
