#pragma once
// The recently used documents in the per-user settings, so that the list
// survives a restart.
#include "framework/files/CRecentDocuments.h"

class CRecentDocumentsSettings {
public:
    // The stored list, most recent first; empty when nothing was stored.
    static CRecentDocuments Load();
    static void Store(const CRecentDocuments& documents);
};
