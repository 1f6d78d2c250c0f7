#pragma once
// A framework window: one Qt widget that hosts a tree of views. The widget
// hands paint, mouse, key, close and tooltip events to the window, which
// passes them to its views. Windows made from a dialog template take their
// size, title and item records from it.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/dialogs/CDialogUnits.h"
#include "framework/dialogs/DialogItemRecord.h"
#include "framework/keys/CKeyEvent.h"
#include "gui/framework/views/CView.h"

class CWindowRootGroupView;
class CWindowWidget;
class QWidget;

class CABCWindow {
public:
    CABCWindow();
    virtual ~CABCWindow();
    CABCWindow(const CABCWindow&) = delete;
    CABCWindow& operator=(const CABCWindow&) = delete;

    // Builds the view tree, lays it out and shows the window.
    virtual void Open();
    // Looks at buttons and controls that were used.
    virtual void CheckControls() {}
    virtual void UpdateContents() {}
    // A key event; by default it goes to the focus view. Answers true when
    // the key was used up, so the focused native control does not see it.
    virtual bool KeyDown(const CKeyEvent& event);
    virtual void IdleWindow() {}
    // Called after the views are built, before the window is shown.
    virtual void Layout() {}
    // A menu command; false passes it on.
    virtual bool DoCommand(std::uint32_t command);
    // A control of this window reported a change.
    virtual void ControlNotify(CView& source, std::int32_t code);
    // The window manager asks the window to close.
    virtual void CloseRequested();
    // Marks the window closing and hides it.
    virtual void Close();

    bool IsOpen() const { return fOpen; }
    bool IsClosing() const { return fClosing; }
    CWindowRootGroupView& Root() { return *fRoot; }
    QWidget& Widget();

    void SetTitle(const std::string& title);
    std::string Title() const;
    // Resizes the window's inside to `width` x `height` pixels.
    void SetContentSize(int width, int height);

    // Reads dialog template `number`: the window's size, title and items.
    // The template fixes the size: the user cannot resize or maximise it.
    void LoadTemplate(std::uint16_t number);
    // Makes the window a dialog with a caption bar, with or without a close box.
    void SetDialogCaption(bool closeBox);
    const DialogItemRecord* FindItem(std::uint16_t id) const;
    // The item a window's code relies on; XInternalError when the template lacks it.
    const DialogItemRecord& ItemRecord(std::uint16_t id) const;
    const std::vector<DialogItemRecord>& Items() const { return fItems; }
    const CDialogUnits& Units() const { return fUnits; }

    CView* FocusView() const { return fFocus; }
    void SetFocusView(CView* view);
    // The window itself takes the keyboard: no view has the focus and keys
    // go to KeyDown for the window's own use.
    void TakeKeyboardFocus();
    // A text field has the focus: plain keys are typing.
    bool IsEditingText() const { return fFocus && fFocus->TakesTyping(); }
    // A text field's entry ended by Return or Escape; by default the window
    // takes the keys back.
    virtual void TextEntryFinished(CView& field);
    CView* TrackingView() const { return fTracking; }
    // Starts following the mouse for `view`; the application's fast-idle count
    // stays raised by one until tracking ends.
    void BeginTracking(CView& view);
    // Ends tracking: by the button's release (with the event) or lost.
    void EndTracking(const CMouseEvent* release);
    // A view is going away: forget every pointer to it.
    void ForgetView(CView& view);
    void InvalidateRect(const PixelRect& rect);

    // Event entry points used by the window's widget.
    void HandleMousePress(int x, int y, std::uint32_t modifiers, bool rightButton);
    void HandleMouseMove(int x, int y, std::uint32_t modifiers);
    void HandleMouseRelease(int x, int y, std::uint32_t modifiers);
    bool HandleKey(int qtKey, bool keypad, bool release, bool repeat, std::uint32_t modifiers,
                   char character);
    std::string TooltipAt(int x, int y);
    // The pointer shape at (x, y): the tracking view's while it tracks.
    CursorShape CursorAt(int x, int y, std::uint32_t modifiers);

private:
    static CMouseEvent LocalEvent(const CView& view, int x, int y, std::uint32_t modifiers);

    std::unique_ptr<CWindowWidget> fWidget;
    std::unique_ptr<CWindowRootGroupView> fRoot;
    std::vector<DialogItemRecord> fItems;
    CDialogUnits fUnits{6, 13};
    CView* fFocus = nullptr;
    CView* fTracking = nullptr;
    bool fFixedSize = false;
    bool fOpen = false;
    bool fClosing = false;
};
