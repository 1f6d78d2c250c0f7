#pragma once
// A rectangle of a window's view tree. Frames are in the parent's coordinates;
// the constructor adds the view to its parent, the destructor removes it and
// clears every window-wide pointer (focus, mouse tracking) that names it.
#include <cstdint>
#include <string>

#include "framework/dialogs/DialogItemRecord.h"
#include "framework/keys/CKeyEvent.h"

class CABCWindow;
class CGroupView;
class QPainter;

enum class CursorShape { kArrow, kWait, kCross, kIBeam, kSizeHorizontal, kSizeVertical, kPointingHand };

struct CMouseEvent {
    int x = 0;  // in the view's own coordinates
    int y = 0;
    std::uint32_t modifiers = 0;
    bool rightButton = false;
};

class CView {
public:
    CView(CGroupView* parent, const PixelRect& frame);
    virtual ~CView();
    CView(const CView&) = delete;
    CView& operator=(const CView&) = delete;

    CGroupView* Parent() const { return fParent; }
    CABCWindow* GetWindow() const { return fWindow; }

    const PixelRect& GetFrame() const { return fFrame; }
    virtual void SetFrame(const PixelRect& frame);
    PixelRect FrameInWindow() const;

    bool IsFocusable() const { return fFocusable; }
    void SetFocusable(bool focusable) { fFocusable = focusable; }
    bool IsVisible() const { return fVisible; }
    // Visible itself and through all its ancestors.
    bool IsShown() const;
    virtual void SetVisible(bool visible);
    bool IsEnabled() const { return fEnabled; }
    virtual void SetEnabled(bool enabled);

    // Takes the keyboard focus if focusable.
    virtual void Activate();
    bool HasFocus() const;
    // Keys typed while the view has the focus are text for it (a text field).
    virtual bool TakesTyping() const { return false; }
    // A control reports a change; travels up to the window.
    virtual void Notify(CView& source, std::int32_t code);
    // Handles a menu command; false passes it on.
    virtual bool DoCommand(std::uint32_t command);
    virtual void KeyDown(const CKeyEvent& event);
    virtual void Draw(QPainter& painter);
    // A press inside the view; answer true to follow the mouse until release.
    virtual bool MouseDown(const CMouseEvent& event);
    virtual void TrackMouse(const CMouseEvent& event);
    // Tracking ended by the button's release, or lost (capture taken away,
    // window hidden or closed, view destroyed).
    virtual void MouseReleased(const CMouseEvent& event);
    virtual void TrackingLost();
    // The pointer shape over the view at `event`; by default the parent's,
    // and the arrow at the root.
    virtual CursorShape AdjustCursor(const CMouseEvent& event) const;

    // The deepest view at (x, y), given in the parent's coordinates; nullptr outside.
    virtual CView* HitTest(int x, int y);

    const std::string& Tooltip() const { return fTooltip; }
    void SetTooltip(std::string text) { fTooltip = std::move(text); }

    // Asks the window to repaint the view.
    void Invalidate();

protected:
    // Native control views follow their frame, visibility and enabled state.
    virtual void StateChanged() {}
    void AttachToWindow(CABCWindow& window) { fWindow = &window; }
    friend class CGroupView;

private:
    CGroupView* fParent;
    CABCWindow* fWindow;
    PixelRect fFrame;
    bool fFocusable = false;
    bool fVisible = true;
    bool fEnabled = true;
    std::string fTooltip;
};
