#include "gui/dialogs/CSamplerDialog.h"

#include <algorithm>

#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <algorithm>

#include "framework/progress/CABCProgressPresenter.h"
#include "framework/progress/CLengthyOperation.h"
#include "framework/resources/ResourceScripts.h"
#include "gui/framework/application/CApplication.h"
#include "gui/framework/controls/CPopupButtonView.h"
#include "gui/framework/controls/CPushButtonView.h"
#include "gui/framework/controls/CSingleLineTextEditView.h"
#include "gui/framework/views/CStaticTextView.h"
#include "gui/framework/views/CWindowRootGroupView.h"
#include "resources/QuilletCommands.h"
#include "samplers/model/CInstalledSampler.h"
#include "samplers/transfer/CABCSamplerTransfer.h"
#include "sound/SampleFormatting.h"

namespace {

constexpr std::size_t kLongestTitle = 215;

}  // namespace

CSamplerDialog::CSamplerDialog(std::uint16_t templateNumber, CInstalledSampler& sampler, CABCPlaybackPause* pause)
    : CModalDialog(templateNumber), fSampler(sampler), fPause(pause)
{
}

void CSamplerDialog::SetTitleWithSampler(ResourceId title)
{
    SetTitle((GetResourceString(title) + " " + fSampler.Name()).substr(0, kLongestTitle));
}

void CSamplerDialog::AddStaticTexts()
{
    for (const DialogItemRecord& item : Items())
        if (item.kind == DialogItemKind::kStaticText && !item.text.empty())
            new CStaticTextView(&Root(), item.frame, item.text);
}

CSingleLineTextEditView* CSamplerDialog::TextField(std::uint16_t item, int maxLength, const std::string& text)
{
    const PixelRect& frame = ItemRecord(item).frame;
    auto* field = new CSingleLineTextEditView(&Root(), frame.left, frame.top, frame.Width(), maxLength);
    field->SetText(text);
    return field;
}

CSingleLineTextEditView* CSamplerDialog::NumberField(std::uint16_t item, std::uint32_t value, int digits)
{
    CSingleLineTextEditView* field = TextField(item, digits, std::to_string(value));
    static_cast<QLineEdit&>(field->Widget())
        .setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), &field->Widget()));
    return field;
}

std::optional<std::uint32_t> CSamplerDialog::NumberIn(const CSingleLineTextEditView& field, std::uint32_t lowest,
                                                      std::uint32_t highest)
{
    const std::string text = field.Text();
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const auto value = static_cast<std::uint32_t>(std::stoul(text));
    if (value < lowest || value > highest)
        return std::nullopt;
    return value;
}

CPopupButtonView* CSamplerDialog::RatePopup(std::uint16_t item, const std::vector<std::uint32_t>& rates,
                                           std::uint32_t chosen)
{
    auto* popup = new CPopupButtonView(&Root(), ItemRecord(item).frame);
    std::vector<std::string> labels;
    for (const std::uint32_t rate : rates)
        labels.push_back(FormatSampleRate(rate));
    popup->SetItems(labels);
    popup->SetValue(static_cast<std::int32_t>(std::find(rates.begin(), rates.end(), chosen) - rates.begin()));
    return popup;
}

void CSamplerDialog::AddButtons(std::uint16_t action, std::uint16_t cancel, std::uint16_t help)
{
    fCancelItem = cancel;
    fHelpItem = help;
    fAction = new CPushButtonView(&Root(), ItemRecord(action));
    fCancel = new CPushButtonView(&Root(), ItemRecord(cancel));
    fHelp = new CPushButtonView(&Root(), ItemRecord(help));
    SetDefaultButton(fAction);
    SetCancelButton(fCancel);
}

CPushButtonView& CSamplerDialog::ButtonOn(std::uint16_t item) const
{
    return item == fCancelItem ? *fCancel : item == fHelpItem ? *fHelp : *fAction;
}

bool CSamplerDialog::TakeActionPress()
{
    if (fHelp->TakePress() && CApplication::Current())
        CApplication::Current()->DoCommand(Cmd::kContents);
    if (fCancel->TakePress())
        EndModal(fCancelItem);
    return fAction->TakePress();
}

TransferOutcome CSamplerDialog::RunTransfer(ResourceId title, const std::function<void(CLengthyOperation&)>& work)
{
    return RunSamplerTransfer(fPause, [&] {
        CLengthyOperation progress(title, Res::kStringStop);
        progress.ShowNow();
        work(progress);
    });
}

TransferOutcome CSamplerDialog::AskWithWaitCursor(const std::function<void()>& work)
{
    CABCProgressPresenter* presenter = CABCProgressPresenter::Current();
    if (presenter)
        presenter->SetWaitCursor();
    const TransferOutcome outcome = RunSamplerTransfer(fPause, work);
    if (presenter)
        presenter->SetArrowCursor();
    return outcome;
}

std::optional<ReceivedSample> CSamplerDialog::ReceiveSample(CABCSamplerTransfer& transfer,
                                                            const ReceiveRequest& request)
{
    ReceivedSample received;
    if (RunTransfer(Res::kStringReceivingSample, [&](CLengthyOperation& progress) {
            received = transfer.Receive(request, progress);
        }) != TransferOutcome::kDone)
        return std::nullopt;
    if (received.format.name.empty())
        received.format.name = fSampler.Name() + " #" + std::to_string(request.sampleNumber);
    return received;
}
