#include "samplers/kurzweil/CK2000Keymap.h"

#include <utility>

#include "framework/exceptions/SamplerExceptions.h"

namespace {

std::uint16_t Word(const Kurzweil::Bytes& data, std::size_t at)
{
    return static_cast<std::uint16_t>(data[at] << 8 | data[at + 1]);
}

void PutWord(Kurzweil::Bytes& data, std::size_t at, std::uint32_t value)
{
    data[at] = static_cast<std::uint8_t>(value >> 8);
    data[at + 1] = static_cast<std::uint8_t>(value);
}

constexpr std::size_t kSettingAt[3] = {0, 2, 6};

}  // namespace

CK2000Keymap::CK2000Keymap(std::uint16_t id, std::string name, std::size_t entries)
    : CKurzweilObject(Kurzweil::kKeymap, id, std::move(name)), fEntryCount(entries), fTables(1)
{
    fTables[0].resize(entries);
}

Kurzweil::Bytes CK2000Keymap::Data() const
{
    const std::size_t tableBytes = fEntryCount * kEntryLength;
    Kurzweil::Bytes data(kTablesAt + fTables.size() * tableBytes, 0);
    for (std::size_t k = 0; k < 3; ++k)
        PutWord(data, kSettingAt[k], fSettings[k]);
    PutWord(data, 4, fStartKey);
    PutWord(data, 8, static_cast<std::uint32_t>(fEntryCount - 1));
    PutWord(data, 10, kEntryLength);
    for (std::size_t z = 0; z < kZones; ++z)
        PutWord(data, 12 + 2 * z, static_cast<std::uint32_t>(fZoneTables[z] * tableBytes - 2 * z + 16));
    std::size_t at = kTablesAt;
    for (const std::vector<Entry>& table : fTables) {
        for (const Entry& entry : table) {
            PutWord(data, at, static_cast<std::uint16_t>(entry.tuning));
            data[at + 2] = entry.setting;
            PutWord(data, at + 3, entry.sampleId);
            data[at + 5] = entry.sampleNumber;
            at += kEntryLength;
        }
    }
    return data;
}

void CK2000Keymap::Read(const Kurzweil::Bytes& data)
{
    if (data.size() < kTablesAt)
        throw XK2000InvalidFormat();
    const std::size_t entries = std::size_t{Word(data, 8)} + 1;
    const std::size_t entryBytes = Word(data, 10);
    if (entries > kMostEntries || entryBytes < kEntryLength)
        throw XK2000InvalidFormat();
    const std::size_t tableBytes = entries * entryBytes;
    std::array<std::size_t, kZones> zoneTables{};
    std::size_t tables = 0;
    for (std::size_t z = 0; z < kZones; ++z) {
        const std::size_t position = 12 + 2 * z + Word(data, 12 + 2 * z);
        if (position < kTablesAt || (position - kTablesAt) % tableBytes != 0)
            throw XK2000InvalidFormat();
        zoneTables[z] = (position - kTablesAt) / tableBytes;
        tables = std::max(tables, zoneTables[z] + 1);
    }
    if (tables > kMostTables || data.size() < kTablesAt + tables * tableBytes)
        throw XK2000InvalidFormat();
    for (std::size_t k = 0; k < 3; ++k)
        fSettings[k] = Word(data, kSettingAt[k]);
    fStartKey = Word(data, 4);
    fEntryCount = entries;
    fZoneTables = zoneTables;
    fTables.assign(tables, std::vector<Entry>(entries));
    for (std::size_t t = 0; t < tables; ++t) {
        for (std::size_t k = 0; k < entries; ++k) {
            const std::size_t at = kTablesAt + t * tableBytes + k * entryBytes;
            fTables[t][k] = {static_cast<std::int16_t>(Word(data, at)), data[at + 2], Word(data, at + 3),
                             data[at + 5]};
        }
    }
}

const CK2000Keymap::Entry* CK2000Keymap::Find(std::size_t zone, int key) const
{
    const int index = key - FirstKey();
    if (zone >= kZones || index < 0 || static_cast<std::size_t>(index) >= fEntryCount)
        return nullptr;
    return &fTables[fZoneTables[zone]][static_cast<std::size_t>(index)];
}

CK2000Keymap::Entry* CK2000Keymap::Find(std::size_t zone, int key)
{
    return const_cast<Entry*>(std::as_const(*this).Find(zone, key));
}

std::set<std::uint16_t> CK2000Keymap::SampleIds() const
{
    std::set<std::uint16_t> ids;
    for (const std::vector<Entry>& table : fTables)
        for (const Entry& entry : table)
            if (entry.sampleId != 0)
                ids.insert(entry.sampleId);
    return ids;
}
