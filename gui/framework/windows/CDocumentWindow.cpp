#include "gui/framework/windows/CDocumentWindow.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "gui/framework/application/CApplication.h"
#include "gui/framework/windows/CFrameWindow.h"
#include "gui/framework/windows/CModalWindows.h"

namespace {
// The sub-window's close box asks the document window.
class CDocumentSubWindow : public QMdiSubWindow {
public:
    explicit CDocumentSubWindow(CDocumentWindow& window) : fWindow(window) {}

protected:
    void closeEvent(QCloseEvent* event) override
    {
        event->ignore();
        CLowLevelApplication::RunGuarded([this] { fWindow.TryClose(); });
    }

private:
    CDocumentWindow& fWindow;
};
}  // namespace

CDocumentWindow::CDocumentWindow(CApplication& application) : fApplication(application) {}

CDocumentWindow::~CDocumentWindow()
{
    if (fSubWindow) {
        fSubWindow->setWidget(nullptr);  // the widget belongs to the window
        Widget().setParent(nullptr);
        delete fSubWindow;
    }
}

void CDocumentWindow::Open()
{
    if (!fSubWindow) {
        fSubWindow = new CDocumentSubWindow(*this);
        fSubWindow->setWidget(&Widget());
        fSubWindow->setAttribute(Qt::WA_DeleteOnClose, false);
        fApplication.Frame().Area().addSubWindow(fSubWindow);
        fSubWindow->adjustSize();
    }
    CABCWindow::Open();
    fSubWindow->show();
    fApplication.Frame().Area().setActiveSubWindow(fSubWindow);
}

bool CDocumentWindow::TryClose()
{
    // A dialog of this window (or any other modal window) may still be using it.
    if (CModalWindows::AnyUp() || IsClosing() || !CanClose())
        return false;
    Close();
    return true;
}

void CDocumentWindow::CloseRequested()
{
    TryClose();
}

void CDocumentWindow::Close()
{
    CABCWindow::Close();
    if (fSubWindow)
        fSubWindow->hide();
    fApplication.DisposeDocumentWindow(*this);
}
