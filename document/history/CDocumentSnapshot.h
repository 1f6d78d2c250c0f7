#pragma once
// Everything an edit can change in a loop document: the slicing settings,
// every slice point with its state and selection, and the locators. Taken
// before and after an edit, it lets the edit be undone and redone.
#include <cstdint>
#include <vector>

#include "slicing/CSlice.h"
#include "slicing/CSlicingSettings.h"

class CLoopDocument;

class CDocumentSnapshot {
public:
    static CDocumentSnapshot Of(const CLoopDocument& document);
    // Puts the document back into this state; every slice point is marked
    // for redrawing.
    void RestoreInto(CLoopDocument& document) const;

    // Equal when an edit changed nothing (redraw marks aside).
    bool operator==(const CDocumentSnapshot& other) const;

private:
    CSlicingSettings settings_;
    std::vector<CSlice> slices_;
    std::int32_t left_ = 0;
    std::int32_t right_ = 0;
};
