#include "gui/framework/progress/CLengthyOperationWindow.h"

#include <QCoreApplication>
#include <QWidget>

#include "gui/framework/controls/CProgressBarView.h"
#include "gui/framework/controls/CPushButtonView.h"
#include "gui/framework/views/CStaticTextView.h"
#include "gui/framework/views/CWindowRootGroupView.h"

CLengthyOperationWindow::CLengthyOperationWindow(const std::string& title, const std::string& buttonText)
{
    SetDialogCaption(false);
    Widget().setWindowModality(Qt::ApplicationModal);
    LoadTemplate(kTemplate);
    SetTitle({});
    fButton = new CPushButtonView(&Root(), ItemRecord(1));
    fButton->SetText(buttonText);
    fButton->SetDefaultLook(true);
    fTitle = new CStaticTextView(&Root(), ItemRecord(2).frame, title);
    fBar = new CProgressBarView(&Root(), ItemRecord(3).frame);
    fValue = new CStaticTextView(&Root(), ItemRecord(4).frame, "0");
}

void CLengthyOperationWindow::Open()
{
    CABCWindow::Open();
    Widget().raise();
    Widget().activateWindow();
}

void CLengthyOperationWindow::CheckControls()
{
    if (fButton->TakePress())
        fCancelled = true;
}

void CLengthyOperationWindow::Refresh(const std::string& title, std::int32_t value, std::uint16_t percent)
{
    CheckControls();
    fTitle->SetText(title);
    fValue->SetText(std::to_string(value));
    fBar->SetValue(percent * 10);
    Widget().repaint();
}

void CLengthyOperationWindow::ProcessEvents()
{
    QCoreApplication::processEvents();
}
