#include "gui/dialogs/CSystemInformationDialog.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPlainTextEdit>

#include "gui/framework/controls/CNativeControlView.h"
#include "gui/framework/controls/CPushButtonView.h"
#include "gui/framework/views/CStaticTextView.h"
#include "gui/framework/views/CWindowRootGroupView.h"

CSystemInformationDialog::CSystemInformationDialog(const std::string& text)
    : CModalDialog(kTemplate)
{
    fText = new QPlainTextEdit(QString::fromStdString(text));
    fText->setReadOnly(true);
    fText->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    new CNativeControlView(&Root(), ItemRecord(kText).frame, fText);
    new CStaticTextView(&Root(), ItemRecord(kNote).frame, ItemRecord(kNote).text);
    fOK = new CPushButtonView(&Root(), ItemRecord(kOK));
    SetDefaultButton(fOK);
    SetCancelButton(fOK);
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

std::string CSystemInformationDialog::ShownText() const
{
    return fText->toPlainText().toStdString();
}

void CSystemInformationDialog::CheckControls()
{
    if (fOK->TakePress())
        EndModal(kOK);
}
