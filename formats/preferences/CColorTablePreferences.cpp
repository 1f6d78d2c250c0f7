#include "formats/preferences/CColorTablePreferences.h"

#include <algorithm>

#include "formats/chunks/ByteOrder.h"
#include "formats/preferences/PreferenceFields.h"

namespace {

constexpr std::uint32_t kHeader = 3;
constexpr std::uint32_t kEntrySize = 6;

}  // namespace

std::uint32_t CColorTablePreferences::GetSize() const
{
    return kHeader + kEntrySize * static_cast<std::uint32_t>(entries.size());
}

void CColorTablePreferences::Serialize(std::uint8_t* buffer) const
{
    buffer[0] = PreferenceFields::kVersion;
    WriteLittleEndian16(buffer + 1, static_cast<std::uint16_t>(entries.size()));
    std::uint8_t* entry = buffer + kHeader;
    for (const Entry& colour : entries) {
        WriteLittleEndian16(entry, colour.red);
        WriteLittleEndian16(entry + 2, colour.green);
        WriteLittleEndian16(entry + 4, colour.blue);
        entry += kEntrySize;
    }
}

void CColorTablePreferences::Deserialize(const std::uint8_t* buffer, std::uint32_t size)
{
    PreferenceFields::RequireSize(size, kHeader);
    const std::uint16_t count = ReadLittleEndian16(buffer + 1);
    PreferenceFields::RequireSize(size, kHeader + kEntrySize * count);
    std::vector<Entry> read(count);
    const std::uint8_t* entry = buffer + kHeader;
    for (Entry& colour : read) {
        colour = {ReadLittleEndian16(entry), ReadLittleEndian16(entry + 2), ReadLittleEndian16(entry + 4)};
        entry += kEntrySize;
    }
    entries = std::move(read);
}

bool CColorTablePreferences::CopyTo(Table& table) const
{
    if (entries.size() != kCustomColours)
        return false;
    std::copy(entries.begin(), entries.end(), table.begin());
    return true;
}
