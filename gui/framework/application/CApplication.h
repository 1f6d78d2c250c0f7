#pragma once
// The application with its frame window, its document windows, the menu bar
// and the command dispatcher: a command goes to the modal dialog in front,
// else to the front document window's focus view, then the window, then the
// application. Nothing behind a modal window gets a command: while a file
// dialog, a Qt dialog or the progress window is up, nothing is dispatched.
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/resources/CMenu.h"
#include "gui/framework/application/CLowLevelApplication.h"

class CAlertBoxPresenter;
class CMenuBar;
class CNativeMenuBar;
class CDocumentWindow;
class CFrameWindow;
class CProgressPresenter;

class CApplication : public CLowLevelApplication {
public:
    // The first command of the Windows menu's window list; window i has this + i.
    static constexpr std::uint32_t kWindowListCommand = CMenu::kWindowListFirstCommand;

    // Alerts and lengthy operations show on screen while the application exists.
    explicit CApplication(std::string name);
    ~CApplication() override;

    static CApplication* Current();
    // Colour depths the program draws in: 8, 16, 24 and 32 bits per pixel.
    static bool ColourDepthSupported(int bitsPerPixel);

    CFrameWindow& Frame() const { return *fFrame; }
    int Run() override;
    void Idle() override;

    // Document windows, in the order they were added.
    CDocumentWindow& AddDocumentWindow(std::unique_ptr<CDocumentWindow> window);
    std::vector<CDocumentWindow*> DocumentWindows() const;
    CDocumentWindow* FrontDocumentWindow() const;
    void ActivateDocumentWindow(CDocumentWindow& window);
    // Takes a closed window out of the list; it is deleted after the current event.
    void DisposeDocumentWindow(CDocumentWindow& window);
    // Closes every document window, each with its own question; false when one stayed.
    bool CloseAllDocumentWindows();

    // Routes a command; false when it was refused or nobody took it. The
    // menu-status pass runs afterwards.
    bool DispatchCommand(std::uint32_t command);
    // A document file handed over by the window system (dropped on the frame).
    virtual void OpenDocumentFile(const std::string&) {}
    // The application's own commands; false passes them on.
    virtual bool DoCommand(std::uint32_t command);
    // The application's part of the menu-status pass.
    virtual void UpdateMenus() {}
    // Puts `menus` on the frame's menu bar. The menu at `windowListIndex` (bar order) lists the
    // document windows. nullptr takes the menus away.
    void SetMenuBar(std::unique_ptr<CMenuBar> menus, std::size_t windowListIndex);
    CNativeMenuBar* GetMenuBar() const { return fMenuBar.get(); }
    // Menu reset, the application's and the front window's passes, the
    // window list, then the native menus take the new states.
    void RunMenuUpdate();

    // Runs `work` from the main loop once no modal window is up (a command
    // line handed over by a later start waits for the dialog in front).
    void Defer(std::function<void()> work);

    // The window system reports the program active or in the background;
    // Activated and Deactivated run on each change.
    void ApplicationStateChanged(bool active);
    bool IsActive() const { return fActive; }

protected:
    bool CanEnd() override { return CloseAllDocumentWindows(); }

private:
    void DeleteDisposedWindows();
    void RunDeferredWork();

    std::unique_ptr<CFrameWindow> fFrame;
    std::unique_ptr<CAlertBoxPresenter> fAlertPresenter;
    std::unique_ptr<CProgressPresenter> fProgressPresenter;
    std::unique_ptr<CNativeMenuBar> fMenuBar;
    std::size_t fWindowListIndex = 0;
    bool fActive = true;
    std::vector<std::unique_ptr<CDocumentWindow>> fWindows;
    std::vector<std::unique_ptr<CDocumentWindow>> fDisposed;
    std::deque<std::function<void()>> fDeferred;
};
