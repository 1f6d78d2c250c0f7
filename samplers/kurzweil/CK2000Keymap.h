#pragma once
// A keymap: up to 8 entry tables of equal length, and for each of 8
// velocity zones the table it uses. Entry k of a table belongs to MIDI key
// start key + 12 + k and names a sample (ID and number in its sound block)
// with a tuning in cents. Data, 16-bit values big-endian: three settings
// passed through (bytes 0-1, 2-3, 6-7), the start key (4-5), entries - 1
// (8-9), bytes per entry (10-11), per zone z an offset from its own position
// (12 + 2z) to its table, then the tables.
#include <array>
#include <optional>
#include <set>
#include <vector>

#include "samplers/kurzweil/CKurzweilObject.h"

class CK2000Keymap : public CKurzweilObject {
public:
    static constexpr std::size_t kZones = 8;
    static constexpr std::size_t kMostTables = 8;
    static constexpr std::size_t kMostEntries = 128;
    static constexpr std::size_t kEntryLength = 6;
    static constexpr std::size_t kTablesAt = 28;
    static constexpr int kKeyOffset = 12;

    struct Entry {
        std::int16_t tuning = 0;  // cents
        std::uint8_t setting = 0;
        std::uint16_t sampleId = 0;  // 0: no sample
        std::uint8_t sampleNumber = 0;
        bool operator==(const Entry&) const = default;
    };

    // One table of `entries` empty entries for every zone, from key 12.
    CK2000Keymap(std::uint16_t id, std::string name, std::size_t entries = kMostEntries);

    Kurzweil::Bytes Data() const override;
    // XK2000InvalidFormat for more than 128 entries, entries under 6 bytes,
    // a zone offset that is not the start of a table, more than 8 tables, or
    // data shorter than its tables.
    void Read(const Kurzweil::Bytes& data) override;

    int FirstKey() const { return fStartKey + kKeyOffset; }
    std::size_t EntryCount() const { return fEntryCount; }
    std::size_t TableCount() const { return fTables.size(); }
    // The entry of `key` in the table of `zone`; none outside the table.
    const Entry* Find(std::size_t zone, int key) const;
    Entry* Find(std::size_t zone, int key);
    // Every sample ID an entry names.
    std::set<std::uint16_t> SampleIds() const;

private:
    std::array<std::uint16_t, 3> fSettings{};
    std::uint16_t fStartKey = 0;
    std::size_t fEntryCount = 0;
    std::vector<std::vector<Entry>> fTables;
    std::array<std::size_t, kZones> fZoneTables{};
};
