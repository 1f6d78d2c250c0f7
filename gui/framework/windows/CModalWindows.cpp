#include "gui/framework/windows/CModalWindows.h"

#include <QApplication>
#include <QWidget>

#include "framework/progress/CLengthyOperation.h"
#include "gui/framework/windows/CModalDialog.h"

int CModalWindows::sScopes = 0;

bool CModalWindows::AnyUp()
{
    return sScopes > 0 || CLengthyOperation::IsRunning() || CModalDialog::Front() != nullptr ||
           QApplication::activeModalWidget() != nullptr;
}

CModalDialog* CModalWindows::CommandTarget()
{
    CModalDialog* dialog = CModalDialog::Front();
    if (!dialog || sScopes > 0 || CLengthyOperation::IsRunning())
        return nullptr;
    const QWidget* modal = QApplication::activeModalWidget();
    return modal == nullptr || modal == &dialog->Widget() ? dialog : nullptr;
}
