#include "gui/window/CNoLengthSpecifiedDialog.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "document/window/ToolbarValues.h"
#include "gui/framework/application/CApplication.h"
#include "gui/framework/controls/CPushButtonView.h"
#include "gui/framework/controls/CSingleLineTextEditView.h"
#include "gui/framework/views/CStaticTextView.h"
#include "gui/framework/views/CWindowRootGroupView.h"
#include "gui/window/RequiredItem.h"
#include "resources/QuilletCommands.h"

namespace {
constexpr std::uint16_t kMessage = 3;
constexpr std::uint16_t kLabel = 4;
constexpr int kMaxDigits = 3;

}  // namespace

CNoLengthSpecifiedDialog::CNoLengthSpecifiedDialog() : CModalDialog(kTemplate)
{
    for (const std::uint16_t id : {kMessage, kLabel})
        new CStaticTextView(&Root(), RequiredItem(*this, id).frame, RequiredItem(*this, id).text);
    const PixelRect& field = RequiredItem(*this, kBarsField).frame;
    fBars = new CSingleLineTextEditView(&Root(), field.left, field.top, field.Width(), kMaxDigits);
    static_cast<QLineEdit&>(fBars->Widget())
        .setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), &fBars->Widget()));
    fOK = new CPushButtonView(&Root(), RequiredItem(*this, kOK));
    fCancel = new CPushButtonView(&Root(), RequiredItem(*this, kCancel));
    fHelp = new CPushButtonView(&Root(), RequiredItem(*this, kHelp));
    SetDefaultButton(fOK);
    SetCancelButton(fCancel);
    fOK->SetEnabled(false);
    SetFocusView(fBars);
}

std::optional<std::int16_t> CNoLengthSpecifiedDialog::Ask()
{
    CNoLengthSpecifiedDialog dialog;
    if (dialog.RunModal() != kOK)
        return std::nullopt;
    return dialog.Bars();
}

std::optional<std::int16_t> CNoLengthSpecifiedDialog::Bars() const
{
    return ParseBars(fBars->Text());
}

void CNoLengthSpecifiedDialog::CheckControls()
{
    const std::optional<std::int16_t> bars = Bars();
    fOK->SetEnabled(bars && *bars >= 1);
    if (fOK->TakePress() && fOK->IsEnabled())
        EndModal(kOK);
    if (fCancel->TakePress())
        EndModal(kCancel);
    if (fHelp->TakePress() && CApplication::Current())
        CApplication::Current()->DoCommand(Cmd::kContents);
}
