#pragma once
// The recently used documents, most recent first, at most four.
#include <cstddef>
#include <functional>
#include <vector>

#include "framework/files/CFileSpec.h"

class CRecentDocuments {
public:
    static constexpr std::size_t kMaxCount = 4;

    // Puts file first, removing any entry that names the same file and
    // dropping the oldest entry when the list is full.
    void Add(const CFileSpec& file);
    // Drops the entries whose file `exists` does not find; answers whether
    // any was dropped.
    bool RemoveMissing(const std::function<bool(const CFileSpec&)>& exists);

    std::size_t Count() const { return entries_.size(); }
    const CFileSpec& operator[](std::size_t index) const { return entries_.at(index); }

private:
    std::vector<CFileSpec> entries_;
};
