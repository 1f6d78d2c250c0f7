#pragma once
// The undo and redo history of one loop document, unlimited for the
// document's life. Each step is a command over the document holding the
// document's state before and after it; undoing restores the one, redoing
// the other. Saving does not clear it, and since the unsaved mark compares
// the document with its saved state, undoing back to that state clears the
// mark again.
//
// Edits of one gesture (a slider drag, a marker drag, typing into a field)
// carry the same gesture name and become one step until the gesture ends
// or another edit comes.
#include <memory>
#include <string>
#include <vector>

#include "document/history/CDocumentSnapshot.h"

class CEditHistory {
public:
    explicit CEditHistory(const CLoopDocument& document);

    // Call after every edit (with the document as the edit left it). An edit
    // that changed nothing adds no step; one with the gesture of the open
    // last step joins it.
    void Record(const CLoopDocument& document, const std::string& gesture = {});
    // Later edits start a step of their own: after any gesture, or only
    // after the named one.
    void EndGesture(const std::string& gesture = {});

    bool CanUndo() const { return done_ > 0; }
    bool CanRedo() const { return done_ < steps_.size(); }
    // False (nothing changes) when there is nothing to undo or redo.
    bool Undo(CLoopDocument& document);
    bool Redo(CLoopDocument& document);

private:
    struct Step {
        std::shared_ptr<const CDocumentSnapshot> before;
        std::shared_ptr<const CDocumentSnapshot> after;
        std::string gesture;
    };

    std::vector<Step> steps_;
    std::size_t done_ = 0; // steps_[0, done_) are applied
    // The state after the last step done: the next step's "before".
    std::shared_ptr<const CDocumentSnapshot> current_;
    bool open_ = false;
};
