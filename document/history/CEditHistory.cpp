#include "document/history/CEditHistory.h"

CEditHistory::CEditHistory(const CLoopDocument& document)
    : current_(std::make_shared<const CDocumentSnapshot>(CDocumentSnapshot::Of(document)))
{
}

void CEditHistory::Record(const CLoopDocument& document, const std::string& gesture)
{
    auto now = std::make_shared<const CDocumentSnapshot>(CDocumentSnapshot::Of(document));
    if (*now == *current_)
        return;
    const bool joins = open_ && !gesture.empty() && done_ == steps_.size() && done_ > 0 &&
                       steps_.back().gesture == gesture;
    if (joins) {
        steps_.back().after = now;
    } else {
        steps_.resize(done_);
        steps_.push_back({current_, now, gesture});
        ++done_;
    }
    current_ = std::move(now);
    open_ = !gesture.empty();
}

void CEditHistory::EndGesture(const std::string& gesture)
{
    if (gesture.empty() || (done_ > 0 && steps_[done_ - 1].gesture == gesture))
        open_ = false;
}

bool CEditHistory::Undo(CLoopDocument& document)
{
    if (!CanUndo())
        return false;
    const Step& step = steps_[--done_];
    step.before->RestoreInto(document);
    current_ = step.before;
    open_ = false;
    return true;
}

bool CEditHistory::Redo(CLoopDocument& document)
{
    if (!CanRedo())
        return false;
    const Step& step = steps_[done_++];
    step.after->RestoreInto(document);
    current_ = step.after;
    open_ = false;
    return true;
}
