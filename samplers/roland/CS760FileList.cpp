#include "samplers/roland/CS760FileList.h"

#include <algorithm>

#include "framework/exceptions/SamplerExceptions.h"
#include "samplers/roland/S760Names.h"

std::vector<std::uint8_t> CS760FileList::EntryBytes(const Entry& entry)
{
    std::vector<std::uint8_t> bytes = {static_cast<std::uint8_t>(entry.category),
                                       static_cast<std::uint8_t>(entry.number >> 8 & 0x0F),
                                       static_cast<std::uint8_t>(entry.number >> 4 & 0x0F),
                                       static_cast<std::uint8_t>(entry.number & 0x0F)};
    const auto name = S760::NameBytes(entry.name);
    bytes.insert(bytes.end(), name.begin(), name.end());
    return bytes;
}

bool CS760FileList::AddFromMessage(const std::uint8_t* data, std::size_t count, std::uint32_t category)
{
    for (std::size_t at = 0; at < count; at += kEntryBytes) {
        if (data[at] == 0)
            return true;
        if (count - at < kEntryBytes)
            throw XSysexInvalidSize();
        if (data[at] != category)
            throw XS760UnexpectedCategoryReceived();
        const auto number = static_cast<std::uint16_t>((data[at + 1] & 0x0F) << 8 | (data[at + 2] & 0x0F) << 4 |
                                                       (data[at + 3] & 0x0F));
        if (!Add({category, number, S760::NameText(data + at + 4)}))
            throw XS760FileListTooSmall();
    }
    return false;
}

bool CS760FileList::Add(const Entry& entry)
{
    if (IsFull())
        return false;
    fEntries.push_back(entry);
    return true;
}

std::size_t CS760FileList::Count(std::uint32_t category) const
{
    return static_cast<std::size_t>(std::count_if(fEntries.begin(), fEntries.end(),
                                                  [category](const Entry& e) { return e.category == category; }));
}

std::optional<std::size_t> CS760FileList::Find(std::uint32_t category, std::uint16_t number) const
{
    for (std::size_t i = 0; i < fEntries.size(); ++i)
        if (fEntries[i].category == category && fEntries[i].number == number)
            return i;
    return std::nullopt;
}

std::optional<std::size_t> CS760FileList::FindName(std::uint32_t category, const std::string& name) const
{
    for (std::size_t i = 0; i < fEntries.size(); ++i)
        if (fEntries[i].category == category && fEntries[i].name == name)
            return i;
    return std::nullopt;
}

void CS760FileList::RemoveAt(std::size_t index)
{
    fEntries.erase(fEntries.begin() + static_cast<std::ptrdiff_t>(index));
}

void CS760FileList::Remove(std::uint32_t category, std::uint16_t number)
{
    if (const auto index = Find(category, number))
        RemoveAt(*index);
}

std::optional<std::uint16_t> CS760FileList::LowestFree(std::uint32_t category, std::uint32_t limit) const
{
    std::vector<bool> used(limit, false);
    for (const Entry& e : fEntries)
        if (e.category == category && e.number < limit)
            used[e.number] = true;
    const auto free = std::find(used.begin(), used.end(), false);
    if (free == used.end())
        return std::nullopt;
    return static_cast<std::uint16_t>(free - used.begin());
}

std::vector<CS760FileList::Entry> CS760FileList::JoinStereoHalves(const std::vector<Entry>& entries)
{
    std::vector<Entry> joined;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        Entry entry = entries[i];
        if (i + 1 < entries.size() && S760::HasStereoMark(entry.name) && S760::HasStereoMark(entries[i + 1].name) &&
            entry.name[15] == 'L' && entries[i + 1].name[15] == 'R')
            ++i;
        entry.name = S760::ShownName(entry.name);
        joined.push_back(entry);
    }
    return joined;
}

std::vector<CS760FileList::Entry> CS760FileList::OfCategory(std::uint32_t category) const
{
    std::vector<Entry> entries;
    std::copy_if(fEntries.begin(), fEntries.end(), std::back_inserter(entries),
                 [category](const Entry& e) { return e.category == category; });
    return entries;
}
