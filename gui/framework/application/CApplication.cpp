#include "gui/framework/application/CApplication.h"

#include <QApplication>
#include <QMenuBar>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>
#include <algorithm>

#include "framework/progress/CLengthyOperation.h"
#include "gui/framework/alerts/CAlertBoxPresenter.h"
#include "gui/framework/menus/CNativeMenuBar.h"
#include "gui/framework/progress/CProgressPresenter.h"
#include "gui/framework/views/CView.h"
#include "gui/framework/windows/CDocumentWindow.h"
#include "gui/framework/windows/CFrameWindow.h"
#include "gui/framework/windows/CModalDialog.h"
#include "gui/framework/windows/CModalWindows.h"

CApplication::CApplication(std::string name)
    : CLowLevelApplication(std::move(name)),
      fFrame(std::make_unique<CFrameWindow>(*this)),
      fAlertPresenter(std::make_unique<CAlertBoxPresenter>()),
      fProgressPresenter(std::make_unique<CProgressPresenter>())
{
    CABCAlertPresenter::Install(fAlertPresenter.get());
    CABCProgressPresenter::Install(fProgressPresenter.get());
    // The program going to the background and coming back. A program that
    // starts in the background is not reported as leaving the foreground.
    fActive = QGuiApplication::applicationState() == Qt::ApplicationActive;
    QObject::connect(qApp, &QGuiApplication::applicationStateChanged, fFrame.get(),
                     [this](Qt::ApplicationState state) { ApplicationStateChanged(state == Qt::ApplicationActive); });
}

void CApplication::ApplicationStateChanged(bool active)
{
    if (active == fActive)
        return;
    fActive = active;
    RunGuarded([&] {
        if (active)
            Activated();
        else
            Deactivated();
    });
}

CApplication::~CApplication()
{
    fMenuBar.reset();
    CABCAlertPresenter::Install(nullptr);
    CABCProgressPresenter::Install(nullptr);
    fWindows.clear();
    fDisposed.clear();
    fFrame.reset();
}

CApplication* CApplication::Current()
{
    return dynamic_cast<CApplication*>(CLowLevelApplication::Current());
}

bool CApplication::ColourDepthSupported(int bitsPerPixel)
{
    return bitsPerPixel == 8 || bitsPerPixel == 16 || bitsPerPixel == 24 || bitsPerPixel == 32;
}

int CApplication::Run()
{
    fFrame->RestorePlacement();
    fFrame->show();
    const int result = CLowLevelApplication::Run();
    fFrame->StorePlacement();
    return result;
}

void CApplication::Idle()
{
    DeleteDisposedWindows();
    RunDeferredWork();
    if (CModalDialog* dialog = CModalDialog::Front())
        dialog->IdleWindow();
    for (CDocumentWindow* window : DocumentWindows())
        window->IdleWindow();
}

CDocumentWindow& CApplication::AddDocumentWindow(std::unique_ptr<CDocumentWindow> window)
{
    fWindows.push_back(std::move(window));
    return *fWindows.back();
}

std::vector<CDocumentWindow*> CApplication::DocumentWindows() const
{
    std::vector<CDocumentWindow*> windows;
    for (const auto& window : fWindows)
        windows.push_back(window.get());
    return windows;
}

CDocumentWindow* CApplication::FrontDocumentWindow() const
{
    const QMdiSubWindow* front = fFrame->Area().currentSubWindow();
    for (const auto& window : fWindows)
        if (front && window->SubWindow() == front && !window->IsClosing())
            return window.get();
    return nullptr;
}

void CApplication::ActivateDocumentWindow(CDocumentWindow& window)
{
    if (window.SubWindow())
        fFrame->Area().setActiveSubWindow(window.SubWindow());
}

void CApplication::DisposeDocumentWindow(CDocumentWindow& window)
{
    auto found = std::find_if(fWindows.begin(), fWindows.end(),
                              [&](const auto& held) { return held.get() == &window; });
    if (found == fWindows.end())
        return;
    fDisposed.push_back(std::move(*found));
    fWindows.erase(found);
    // The window may be running one of its own handlers right now.
    QTimer::singleShot(0, fFrame.get(), [this] { DeleteDisposedWindows(); });
}

void CApplication::DeleteDisposedWindows()
{
    // A modal loop may run inside a handler of a disposed window; it goes
    // once nothing modal is up.
    if (!CModalWindows::AnyUp())
        fDisposed.clear();
}

void CApplication::Defer(std::function<void()> work)
{
    fDeferred.push_back(std::move(work));
}

void CApplication::RunDeferredWork()
{
    while (!fDeferred.empty() && !CModalWindows::AnyUp()) {
        const std::function<void()> work = std::move(fDeferred.front());
        fDeferred.pop_front();
        RunGuarded(work);
    }
}

bool CApplication::CloseAllDocumentWindows()
{
    for (CDocumentWindow* window : DocumentWindows())
        if (!window->TryClose())
            return false;
    return true;
}

bool CApplication::DispatchCommand(std::uint32_t command)
{
    if (CLengthyOperation::IsRunning())
        return false;  // the progress window keeps the program to itself
    bool handled = false;
    if (CModalWindows::AnyUp()) {
        // Nothing behind a modal window acts: only a framework dialog in front is asked.
        CModalDialog* dialog = CModalWindows::CommandTarget();
        handled = dialog && dialog->DoCommand(command);
    } else if (CDocumentWindow* front = FrontDocumentWindow()) {
        CView* focus = front->FocusView();
        handled = (focus && focus->DoCommand(command)) || front->DoCommand(command) ||
                  DoCommand(command);
    } else {
        handled = DoCommand(command);
    }
    RunMenuUpdate();
    return handled;
}

bool CApplication::DoCommand(std::uint32_t command)
{
    if (command >= kWindowListCommand && command < kWindowListCommand + fWindows.size()) {
        ActivateDocumentWindow(*fWindows[command - kWindowListCommand]);
        return true;
    }
    return false;
}

void CApplication::SetMenuBar(std::unique_ptr<CMenuBar> menus, std::size_t windowListIndex)
{
    fMenuBar.reset();
    fWindowListIndex = windowListIndex;
    if (!menus)
        return;
    fMenuBar = std::make_unique<CNativeMenuBar>(
        std::move(menus), *fFrame->menuBar(), [this] { RunMenuUpdate(); },
        [this](std::uint32_t command) { return DispatchCommand(command); });
}

void CApplication::RunMenuUpdate()
{
    if (fMenuBar)
        fMenuBar->Menus().Reset();
    UpdateMenus();
    CDocumentWindow* front = FrontDocumentWindow();
    if (front)
        front->UpdateMenus();
    if (!fMenuBar)
        return;
    const auto& menus = fMenuBar->Menus().Menus();
    if (fWindowListIndex < menus.size()) {
        std::vector<WindowListEntry> entries;
        for (std::size_t i = 0; i < fWindows.size(); ++i) {
            const CDocumentWindow& window = *fWindows[i];
            entries.push_back({static_cast<std::uint32_t>(i), window.Title(), true,
                               window.WantsListing(), &window == front});
        }
        CMenu& list = *menus[fWindowListIndex];
        const std::size_t separatorAt = list.ItemCount();
        MenuItemRecord separator;
        separator.kind = kMenuItemSeparator;
        separator.temporary = true;
        list.AppendRecord(separator);
        if (!list.FillWindowList(entries))
            list.RemoveItem(separatorAt);
    }
    fMenuBar->Sync();
}
