#pragma once
// A view that maps the window's shown frame range onto its width.
#include "document/views/CABCLoopViewHost.h"
#include "document/views/CFrameScale.h"
#include "gui/framework/views/CControlView.h"

class CDimensionView : public CControlView {
public:
    CDimensionView(CGroupView* parent, const PixelRect& frame, CABCLoopViewHost& host);

    // The shown range over the view's width.
    virtual CFrameScale Scale() const;
    // The frame under a pixel column, and the column of a frame.
    std::int64_t FrameAtPixel(int x) const { return Scale().FrameAtPixel(x); }
    std::int64_t PixelOfFrame(std::int64_t frame) const { return Scale().PixelOfFrame(frame); }

protected:
    CABCLoopViewHost& Host() const { return host_; }

private:
    CABCLoopViewHost& host_;
};
