#pragma once
// The process-wide list of parsed script resources. A table is parsed from
// the embedded resource on first use of any of its entries and kept until
// the program ends.
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "framework/resources/CResourceTextTable.h"

class CResourceTableList {
public:
    static CResourceTableList& Instance();

    // The table of (type, number), parsed now if it is not in the list yet.
    // Raises XNotFound when the program carries no such resource and
    // XOutOfMemory when the table cannot be made; it is then not listed.
    const CResourceTextTable& Table(std::string_view type, std::uint16_t number);

    std::size_t Count() const { return fTables.size(); }

private:
    CResourceTableList() = default;

    std::vector<std::unique_ptr<CResourceTextTable>> fTables;
};
