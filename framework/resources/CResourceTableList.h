#pragma once
// The process-wide list of parsed script resources. A table is parsed from
// the embedded resource on first use of any of its entries and kept until
// the program ends. Threads of the batch tool may look tables up at once.
#include <cstdint>
#include <memory>
#include <mutex>
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

    std::size_t Count() const;

private:
    CResourceTableList() = default;

    mutable std::mutex fMutex;
    std::vector<std::unique_ptr<CResourceTextTable>> fTables;
};
