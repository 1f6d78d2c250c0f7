#pragma once
// A document window inside the application's frame. The application owns it
// from AddDocumentWindow until it closes.
#include "gui/framework/windows/CABCWindow.h"

class CApplication;
class QMdiSubWindow;

class CDocumentWindow : public CABCWindow {
public:
    explicit CDocumentWindow(CApplication& application);
    ~CDocumentWindow() override;

    // Places the window in the frame and shows it.
    void Open() override;
    // The window's part of the menu-status pass: enable and check its commands.
    virtual void UpdateMenus() {}
    // Whether the Windows menu lists it.
    virtual bool WantsListing() const { return true; }
    // Asked before closing (the save question); false keeps the window.
    virtual bool CanClose() { return true; }
    // Closes unless a modal window is up (a dialog, a file dialog, the progress
    // window) or CanClose refuses; answers whether it closed.
    bool TryClose();
    void CloseRequested() override;
    void Close() override;

    QMdiSubWindow* SubWindow() const { return fSubWindow; }
    CApplication& Application() const { return fApplication; }

private:
    CApplication& fApplication;
    QMdiSubWindow* fSubWindow = nullptr;
};
