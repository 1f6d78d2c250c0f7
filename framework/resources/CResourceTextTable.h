#pragma once
// One parsed script resource: the entries 0..999 of a string list, alert
// script or menu script, read from the resource's bytes in one pass.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class CResourceTextTable {
public:
    static constexpr std::size_t kSlotCount = 1000;
    static constexpr std::size_t kMaxEntryLength = 2999;

    // Parses `script`; `type` is the four-character resource type.
    CResourceTextTable(std::string_view type, std::uint16_t number, std::string_view script);

    const std::string& Type() const { return fType; }
    std::uint16_t Number() const { return fNumber; }

    // True when this table is the resource (type, number); the type is
    // compared without regard to case.
    bool Is(std::string_view type, std::uint16_t number) const;
    static bool SameType(std::string_view a, std::string_view b);

    // The text of entry `index`, or nothing when the script does not define it.
    const std::optional<std::string>& Entry(std::size_t index) const;

private:
    void Parse(std::string_view script);
    void Store(std::string_view digits, std::string text);

    std::string fType;
    std::uint16_t fNumber;
    std::array<std::optional<std::string>, kSlotCount> fSlots;
};
