#include "framework/files/CRecentDocuments.h"

#include <algorithm>

void CRecentDocuments::Add(const CFileSpec& file)
{
    std::erase_if(entries_, [&file](const CFileSpec& entry) { return entry.IsSameFile(file); });
    if (entries_.size() >= kMaxCount)
        entries_.resize(kMaxCount - 1);
    entries_.insert(entries_.begin(), file);
}
