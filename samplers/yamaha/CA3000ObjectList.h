#pragma once
// The A3000's list of the objects it holds: one record per object, its kind
// (32-bit: 16 a sample, 17 a sample bank) and its name of up to 16
// characters, 20 bytes in a dump. Names compare exactly, case and all.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "samplers/yamaha/A3000Dump.h"

class CA3000ObjectList {
public:
    static constexpr std::uint32_t kSample = 16;
    static constexpr std::uint32_t kSampleBank = 17;
    static constexpr std::size_t kRecordBytes = 20;

    struct Record {
        std::uint32_t kind = kSample;
        std::string name;
    };
    // Where a record stands: in the whole list, and among its kind.
    struct Position {
        std::size_t index = 0;
        std::size_t indexOfKind = 0;
    };

    CA3000ObjectList() = default;
    // The records of an "OL" dump's data; XA3000ReceivedInvalidSysex when
    // it is not whole records.
    static CA3000ObjectList Read(const A3000::Bytes& data);
    A3000::Bytes Data() const;

    const std::vector<Record>& Records() const { return fRecords; }
    std::size_t Count(std::uint32_t kind) const;
    // The n-th object of the kind (from 0), or none.
    const Record* Nth(std::uint32_t kind, std::size_t n) const;
    std::optional<Position> Find(std::uint32_t kind, std::string_view name) const;
    void Append(Record record) { fRecords.push_back(std::move(record)); }
    void Remove(std::uint32_t kind, std::string_view name);
    // The names of `names` that no object of the kind carries.
    std::vector<std::string> Missing(std::uint32_t kind, const std::vector<std::string>& names) const;

private:
    std::vector<Record> fRecords;
};
