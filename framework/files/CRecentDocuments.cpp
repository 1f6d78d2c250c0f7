#include "framework/files/CRecentDocuments.h"

#include <algorithm>

void CRecentDocuments::Add(const CFileSpec& file)
{
    std::erase_if(entries_, [&file](const CFileSpec& entry) { return entry.IsSameFile(file); });
    if (entries_.size() >= kMaxCount)
        entries_.resize(kMaxCount - 1);
    entries_.insert(entries_.begin(), file);
}

bool CRecentDocuments::RemoveMissing(const std::function<bool(const CFileSpec&)>& exists)
{
    return std::erase_if(entries_, [&exists](const CFileSpec& entry) { return !exists(entry); }) > 0;
}
