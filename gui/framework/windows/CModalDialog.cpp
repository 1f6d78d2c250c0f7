#include "gui/framework/windows/CModalDialog.h"

#include <QEventLoop>
#include <QWidget>
#include <algorithm>

#include "gui/framework/controls/CPushButtonView.h"
#include "gui/framework/views/CKeyCodeTable.h"

std::vector<CModalDialog*> CModalDialog::sOpenDialogs;

CModalDialog::CModalDialog(std::uint16_t templateNumber)
{
    SetDialogCaption(true);
    Widget().setWindowModality(Qt::ApplicationModal);
    LoadTemplate(templateNumber);
}

CModalDialog::~CModalDialog()
{
    Close();
}

void CModalDialog::Open()
{
    CABCWindow::Open();
    if (std::find(sOpenDialogs.begin(), sOpenDialogs.end(), this) == sOpenDialogs.end())
        sOpenDialogs.push_back(this);
    Widget().raise();
    Widget().activateWindow();
}

std::int32_t CModalDialog::RunModal()
{
    if (!IsOpen())
        Open();
    if (!fEnded) {
        QEventLoop loop;
        fLoop = &loop;
        loop.exec();
        fLoop = nullptr;
    }
    Close();
    return fResult;
}

void CModalDialog::EndModal(std::int32_t code)
{
    if (fEnded)
        return;
    fEnded = true;
    fResult = code;
    if (fLoop)
        fLoop->quit();
}

void CModalDialog::SetDefaultButton(CPushButtonView* button)
{
    if (fDefault)
        fDefault->SetDefaultLook(false);
    fDefault = button;
    if (fDefault)
        fDefault->SetDefaultLook(true);
}

bool CModalDialog::KeyDown(const CKeyEvent& event)
{
    bool pressed = false;
    if (event.kind == CKeyEvent::kKeyDown) {
        CPushButtonView* button = nullptr;
        if (event.code == CKeyCodeTable::kEscape)
            button = fCancel;
        else if (event.code == CKeyCodeTable::kReturn || event.code == CKeyCodeTable::kEnter)
            button = fDefault;
        if (button && button->IsShown()) {
            button->PressVisibly();
            pressed = true;
        }
    }
    return CABCWindow::KeyDown(event) || pressed;
}

void CModalDialog::CloseRequested()
{
    if (fCancel && fCancel->IsShown())
        fCancel->Press();
}

void CModalDialog::Close()
{
    sOpenDialogs.erase(std::remove(sOpenDialogs.begin(), sOpenDialogs.end(), this),
                       sOpenDialogs.end());
    if (fLoop && !fEnded)
        fLoop->quit();
    CABCWindow::Close();
}

CModalDialog* CModalDialog::Front()
{
    return sOpenDialogs.empty() ? nullptr : sOpenDialogs.back();
}
