#include "gui/framework/progress/CProgressPresenter.h"

#include <QApplication>
#include <QCursor>

#include "gui/framework/progress/CLengthyOperationWindow.h"

CProgressPresenter::~CProgressPresenter()
{
    SetArrowCursor();
}

void CProgressPresenter::SetWaitCursor()
{
    if (fWaitCursor)
        return;
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    fWaitCursor = true;
}

void CProgressPresenter::SetArrowCursor()
{
    if (!fWaitCursor)
        return;
    QApplication::restoreOverrideCursor();
    fWaitCursor = false;
}

std::unique_ptr<CABCProgressWindow> CProgressPresenter::CreateProgressWindow(
    const std::string& title, const std::string& buttonText, std::int32_t value, std::uint16_t percent)
{
    auto window = std::make_unique<CLengthyOperationWindow>(title, buttonText);
    window->Refresh(title, value, percent);
    window->Open();
    return window;
}

void CProgressPresenter::Beep()
{
    QApplication::beep();
}
