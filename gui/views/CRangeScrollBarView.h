#pragma once
// The scroll bar under the waveform. Its thumb runs 0..999 over the
// positions of the shown range; its arrows move the range by a tenth of its
// length, its page areas by a whole length, and a dragged thumb sets the
// range's start. Each move is reported to the window as a view change.
#include "document/views/CABCLoopViewHost.h"
#include "gui/framework/controls/CScrollBarView.h"

class CRangeScrollBarView : public CScrollBarView {
public:
    CRangeScrollBarView(CGroupView* parent, const PixelRect& frame, CABCLoopViewHost& host);

    // Puts the thumb where the shown range is and sizes it to the range
    // (after a change from elsewhere).
    void ShowRange();

private:
    void Act(int action);

    CABCLoopViewHost& host_;
};
