#include "gui/dialogs/CEnsoniqTransmitDialog.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "gui/dialogs/CSamplerPictureView.h"
#include "gui/framework/controls/CPopupButtonView.h"
#include "gui/framework/controls/CSingleLineTextEditView.h"
#include "gui/framework/views/CWindowRootGroupView.h"
#include "samplers/ensoniq/CEnsoniqSysex.h"
#include "samplers/model/CABCSupportedSampler.h"
#include "samplers/model/CInstalledSampler.h"
#include "slicing/CSliceRenderSet.h"

EnsoniqTransmitChoices CEnsoniqTransmitDialog::sChoices;

CEnsoniqTransmitDialog::CEnsoniqTransmitDialog(CInstalledSampler& sampler, const CSliceRenderSet& slices,
                                               CABCSamplerTransfer& transfer, CABCPlaybackPause* pause)
    : CSamplerTransmitDialog(kTemplate, sampler, true, pause), fSlices(slices), fTransfer(transfer)
{
    AddStaticTexts();
    fName = TextField(kInstrumentName, static_cast<int>(CEnsoniqSysex::kNameLength), sChoices.instrumentName);
    const QString typed = QStringLiteral("[%1]*").arg(QString::fromLatin1(EnsoniqTransmitChoices::kTypedCharacters));
    static_cast<QLineEdit&>(fName->Widget())
        .setValidator(new QRegularExpressionValidator(QRegularExpression(typed), &fName->Widget()));
    const auto& rates = EnsoniqTransmitChoices::kRates;
    fRate = RatePopup(kSampleRate, {rates.begin(), rates.end()}, sChoices.RateFor(slices.TargetRate()));
    fDestination = new CPopupButtonView(&Root(), ItemRecord(kDestination).frame);
    std::vector<std::string> labels;
    for (int instrument = 1; instrument <= 8; ++instrument)
        labels.push_back(std::to_string(instrument));
    fDestination->SetItems(labels);
    fDestination->SetValue(sChoices.destination);
    new CSamplerPictureView(&Root(), ItemRecord(kPanel).frame, sampler.Type().Constants().picture);
    AddButtons(kTransmit, kCancel, kHelp);
    SetFocusView(fName);
}

void CEnsoniqTransmitDialog::CheckControls()
{
    if (!TakeActionPress())
        return;
    sChoices.instrumentName = fName->Text();
    sChoices.rate = EnsoniqTransmitChoices::kRates.at(static_cast<std::size_t>(fRate->Value()));
    sChoices.destination = fDestination->Value();
    if (TransmitChecked(fTransfer, fSlices, sChoices.Check(Sampler().SysexID())) == TransferOutcome::kDone)
        EndModal(kTransmit);
}
