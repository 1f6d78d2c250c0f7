#pragma once
// Chunk PCOL: the sixteen custom colours of the colour picker, each as three
// 16-bit components; 3 + 6 × n bytes.
#include <array>
#include <cstdint>
#include <vector>

#include "formats/preferences/CABCDataFormat.h"

class CColorTablePreferences : public CABCDataFormat {
public:
    struct Entry {
        std::uint16_t red = 65535;
        std::uint16_t green = 65535;
        std::uint16_t blue = 65535;
        friend bool operator==(const Entry&, const Entry&) = default;
    };
    static constexpr std::size_t kCustomColours = 16;
    using Table = std::array<Entry, kCustomColours>;

    CColorTablePreferences() = default;
    explicit CColorTablePreferences(const Table& table) : entries(table.begin(), table.end()) {}

    std::uint32_t GetSize() const override;
    void Serialize(std::uint8_t* buffer) const override;
    // XInvalidPreferencesChunk when the chunk is shorter than its count says.
    void Deserialize(const std::uint8_t* buffer, std::uint32_t size) override;

    // Copies the entries into table when there are exactly sixteen of them;
    // answers whether it did.
    bool CopyTo(Table& table) const;

    std::vector<Entry> entries;
};
