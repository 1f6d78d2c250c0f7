#include "gui/dialogs/CEnsoniqTransmitDialog.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <algorithm>
#include <variant>

#include "framework/alerts/Alerts.h"
#include "gui/dialogs/CSamplerPictureView.h"
#include "gui/framework/controls/CPopupButtonView.h"
#include "gui/framework/controls/CSingleLineTextEditView.h"
#include "gui/framework/views/CWindowRootGroupView.h"
#include "samplers/ensoniq/CEnsoniqSysex.h"
#include "samplers/model/CABCSupportedSampler.h"
#include "samplers/model/CInstalledSampler.h"
#include "slicing/CSliceRenderSet.h"
#include "sound/SampleFormatting.h"

EnsoniqTransmitChoices CEnsoniqTransmitDialog::sChoices;

CEnsoniqTransmitDialog::CEnsoniqTransmitDialog(CInstalledSampler& sampler, const CSliceRenderSet& slices,
                                               CABCSamplerTransfer& transfer, CABCPlaybackPause* pause)
    : CSamplerTransmitDialog(kTemplate, sampler, true, pause), fSlices(slices), fTransfer(transfer)
{
    AddStaticTexts();
    const PixelRect& name = ItemRecord(kInstrumentName).frame;
    fName = new CSingleLineTextEditView(&Root(), name.left, name.top, name.Width(),
                                        static_cast<int>(CEnsoniqSysex::kNameLength));
    const QString typed = QStringLiteral("[%1]*").arg(QString::fromLatin1(EnsoniqTransmitChoices::kTypedCharacters));
    static_cast<QLineEdit&>(fName->Widget())
        .setValidator(new QRegularExpressionValidator(QRegularExpression(typed), &fName->Widget()));
    fName->SetText(sChoices.instrumentName);
    fRate = new CPopupButtonView(&Root(), ItemRecord(kSampleRate).frame);
    std::vector<std::string> labels;
    for (const std::uint32_t rate : EnsoniqTransmitChoices::kRates)
        labels.push_back(FormatSampleRate(rate));
    fRate->SetItems(labels);
    const auto& rates = EnsoniqTransmitChoices::kRates;
    fRate->SetValue(static_cast<std::int32_t>(
        std::find(rates.begin(), rates.end(), sChoices.RateFor(slices.TargetRate())) - rates.begin()));
    fDestination = new CPopupButtonView(&Root(), ItemRecord(kDestination).frame);
    labels.clear();
    for (int instrument = 1; instrument <= 8; ++instrument)
        labels.push_back(std::to_string(instrument));
    fDestination->SetItems(labels);
    fDestination->SetValue(sChoices.destination);
    new CSamplerPictureView(&Root(), ItemRecord(kPanel).frame, sampler.Type().Constants().picture);
    AddTransmitButtons(kTransmit, kCancel, kHelp);
    SetFocusView(fName);
}

void CEnsoniqTransmitDialog::CheckControls()
{
    if (!TakeTransmitPress())
        return;
    sChoices.instrumentName = fName->Text();
    sChoices.rate = EnsoniqTransmitChoices::kRates.at(static_cast<std::size_t>(fRate->Value()));
    sChoices.destination = fDestination->Value();
    const std::variant<ResourceId, TransmitRequest> checked = sChoices.Check(Sampler().SysexID());
    if (const ResourceId* alert = std::get_if<ResourceId>(&checked)) {
        ShowAlert(*alert);
        return;
    }
    TransmitAtRate(fTransfer, fSlices, std::get<TransmitRequest>(checked));
}
