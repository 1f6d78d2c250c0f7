#include "gui/dialogs/CQuilletPreferencesDialog.h"

#include <cstdio>

#include "devices/sound/CSoundChannel.h"
#include "devices/sound/CSoundSetup.h"
#include "formats/preferences/CQuilletApplicationPreferences.h"
#include "framework/resources/CMenu.h"
#include "framework/resources/ResourceScripts.h"
#include "gui/dialogs/CWaveformColourPicker.h"
#include "gui/dialogs/PreferenceFaders.h"
#include "gui/framework/application/CApplication.h"
#include "gui/framework/controls/CCheckBoxView.h"
#include "gui/framework/controls/CFaderView.h"
#include "gui/framework/controls/CPopupButtonView.h"
#include "gui/framework/controls/CPushButtonView.h"
#include "gui/framework/views/CGroupBoxView.h"
#include "gui/framework/views/CSolidColorGroupView.h"
#include "gui/framework/views/CStaticTextView.h"
#include "gui/framework/views/CWindowRootGroupView.h"
#include "resources/QuilletCommands.h"

namespace {

std::uint32_t SwatchColour(RGBColor16 colour)
{
    return std::uint32_t(colour.red >> 8) << 16 | std::uint32_t(colour.green >> 8) << 8 | (colour.blue >> 8);
}

std::string Formatted(const char* format, long value)
{
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

}  // namespace

CQuilletPreferencesDialog::CQuilletPreferencesDialog(Settings settings)
    : CModalDialog(kTemplate), fSettings(std::move(settings))
{
    CSoundSetup* sound = fSettings.sound;
    fOpened.channelOpen = sound && sound->Channel();
    if (fOpened.channelOpen) {
        fOpened.card = sound->CardIndex();
        fOpened.setting = sound->Channel()->GetPlayAheadSetting();
    }
    fOpened.documents = fSettings.documents;
    fOpened.showOpen = fSettings.application.ShowOpenDialogOnStartup();

    for (const DialogItemRecord& item : Items()) {
        if (item.kind == DialogItemKind::kGroupBox)
            new CGroupBoxView(&Root(), item.frame, item.text);
        else if (item.kind == DialogItemKind::kStaticText && !item.text.empty())
            new CStaticTextView(&Root(), item.frame, item.text);
    }
    fCard = new CPopupButtonView(&Root(), ItemRecord(kCard).frame);
    fDriverType = new CStaticTextView(&Root(), ItemRecord(kDriverType).frame, "");
    fPlayAhead = new CFaderView(&Root(), ItemRecord(kPlayAhead).frame, false);
    fPlayAheadTime = new CStaticTextView(&Root(), ItemRecord(kPlayAheadTime).frame, "");
    fUnderruns = new CStaticTextView(&Root(), ItemRecord(kUnderruns).frame, "");
    fMoveLeftLocator = new CCheckBoxView(&Root(), ItemRecord(kMoveLeftLocator));
    fScroll = new CCheckBoxView(&Root(), ItemRecord(kScroll));
    fBarsToOne = new CCheckBoxView(&Root(), ItemRecord(kBarsToOne));
    fShowOpen = new CCheckBoxView(&Root(), ItemRecord(kShowOpen));
    fSetColour = new CPushButtonView(&Root(), ItemRecord(kSetColour));
    fSwatch = new CSolidColorGroupView(&Root(), ItemRecord(kSwatch).frame, 0);
    fContrast = new CFaderView(&Root(), ItemRecord(kContrast).frame, false);
    fLook = new CPopupButtonView(&Root(), ItemRecord(kLook).frame);
    fOK = new CPushButtonView(&Root(), ItemRecord(kOK));
    fCancel = new CPushButtonView(&Root(), ItemRecord(kCancel));
    fHelp = new CPushButtonView(&Root(), ItemRecord(kHelp));
    SetDefaultButton(fOK);
    SetCancelButton(fCancel);

    std::vector<std::string> cards;
    if (sound)
        for (std::uint16_t i = 0; i < sound->Registry().Count(); ++i)
            cards.push_back(sound->Registry().CardAt(i).DeviceName());
    if (cards.empty())
        cards.push_back(GetResourceString(Res::kStringNoSoundAvailable));
    fCard->SetItems(cards);
    const CMenu looks(Res::kPopupWaveformType);
    std::vector<std::string> lookLabels;
    for (std::size_t i = 0; i < looks.ItemCount(); ++i)
        lookLabels.push_back(looks.Record(i).label);
    fLook->SetItems(lookLabels);

    const DocumentPreferences& documents = fSettings.documents;
    fMoveLeftLocator->SetChecked(documents.alwaysMoveLeftLocator);
    fScroll->SetChecked(documents.scrollDuringPlayback);
    fBarsToOne->SetChecked(documents.setBarsToOne);
    fShowOpen->SetChecked(fSettings.application.ShowOpenDialogOnStartup());
    ShowSound();
    ShowLook();
}

CCheckBoxView& CQuilletPreferencesDialog::Check(ItemId id) const
{
    switch (id) {
    case kMoveLeftLocator: return *fMoveLeftLocator;
    case kScroll: return *fScroll;
    case kBarsToOne: return *fBarsToOne;
    default: return *fShowOpen;
    }
}

const CStaticTextView& CQuilletPreferencesDialog::Text(ItemId id) const
{
    switch (id) {
    case kDriverType: return *fDriverType;
    case kPlayAheadTime: return *fPlayAheadTime;
    default: return *fUnderruns;
    }
}

CPushButtonView& CQuilletPreferencesDialog::Button(ItemId id) const
{
    switch (id) {
    case kOK: return *fOK;
    case kCancel: return *fCancel;
    case kHelp: return *fHelp;
    default: return *fSetColour;
    }
}

void CQuilletPreferencesDialog::ShowSound()
{
    const CSoundChannel* channel = fSettings.sound ? fSettings.sound->Channel() : nullptr;
    fCard->SetEnabled(fSettings.sound && fSettings.sound->Registry().Count() > 0);
    fPlayAhead->SetEnabled(channel != nullptr);
    if (channel) {
        fCard->SetValue(fSettings.sound->CardIndex());
        fDriverType->SetText(channel->Card().DriverKind());
        const std::uint16_t setting = channel->GetPlayAheadSetting();
        fPlayAhead->SetValue(PreferenceFaders::PositionOfSetting(setting, channel->GetPlayAheadSettingCount()));
        fPlayAheadTime->SetText(Formatted("%ld ms", long(channel->GetPlayAheadMilliseconds(setting))));
    } else {
        fDriverType->SetText("");
        fPlayAheadTime->SetText("");
    }
    fShownUnderruns = -1;
    ShowUnderruns();
}

void CQuilletPreferencesDialog::ShowUnderruns()
{
    const CSoundChannel* channel = fSettings.sound ? fSettings.sound->Channel() : nullptr;
    const std::int64_t count = channel ? std::int64_t(channel->GetUnderrunCount()) : -2;
    if (count == fShownUnderruns)
        return;
    fShownUnderruns = count;
    fUnderruns->SetText(channel ? Formatted("%ld", long(count)) : GetResourceString(Res::kStringNotApplicable));
}

void CQuilletPreferencesDialog::ShowLook()
{
    const CABCLoopViewHost::Look& look = fSettings.documents.look;
    fSwatch->SetColor(SwatchColour(look.waveform));
    fContrast->SetValue(PreferenceFaders::PositionOfContrast(static_cast<std::uint8_t>(look.contrast)));
    fLook->SetValue(static_cast<int>(look.style));
}

void CQuilletPreferencesDialog::IdleWindow()
{
    ShowUnderruns();
}

void CQuilletPreferencesDialog::ControlNotify(CView& source, std::int32_t code)
{
    DocumentPreferences& documents = fSettings.documents;
    if (&source == fCard) {
        ChooseCard(static_cast<std::uint16_t>(fCard->Value()));
    } else if (&source == fPlayAhead) {
        SetPlayAhead(fPlayAhead->Value());
    } else if (&source == fMoveLeftLocator) {
        documents.alwaysMoveLeftLocator = fMoveLeftLocator->IsChecked();
    } else if (&source == fScroll) {
        documents.scrollDuringPlayback = fScroll->IsChecked();
    } else if (&source == fBarsToOne) {
        documents.setBarsToOne = fBarsToOne->IsChecked();
    } else if (&source == fShowOpen) {
        fSettings.application.SetShowOpenDialogOnStartup(fShowOpen->IsChecked());
    } else if (&source == fContrast) {
        // Only a moved fader changes the contrast: the fader cannot show every
        // contrast exactly.
        documents.look.contrast = PreferenceFaders::ContrastAt(fContrast->Value());
        LookChanged();
    } else if (&source == fLook) {
        documents.look.style = static_cast<WaveformStyle>(fLook->Value());
        LookChanged();
    }
    CModalDialog::ControlNotify(source, code);
}

void CQuilletPreferencesDialog::ChooseCard(std::uint16_t index)
{
    if (fSettings.sound)
        fSettings.sound->ChooseCard(index);
    ShowSound();
}

void CQuilletPreferencesDialog::SetPlayAhead(int position)
{
    CSoundChannel* channel = fSettings.sound ? fSettings.sound->Channel() : nullptr;
    if (!channel)
        return;
    channel->SetPlayAheadSetting(PreferenceFaders::SettingAt(position, channel->GetPlayAheadSettingCount()));
    fPlayAheadTime->SetText(
        Formatted("%ld ms", long(channel->GetPlayAheadMilliseconds(channel->GetPlayAheadSetting()))));
}

void CQuilletPreferencesDialog::LookChanged()
{
    ShowLook();
    if (fSettings.redrawWindows)
        fSettings.redrawWindows();
}

void CQuilletPreferencesDialog::PickColour()
{
    CABCLoopViewHost::Look& look = fSettings.documents.look;
    if (const auto colour = CWaveformColourPicker::Pick(&Widget(), look.waveform, fSettings.customColours)) {
        look.waveform = *colour;
        LookChanged();
    }
}

void CQuilletPreferencesDialog::Restore()
{
    CSoundSetup* sound = fSettings.sound;
    if (sound && fOpened.channelOpen && sound->OpenCard(fOpened.card) && sound->Channel())
        sound->Channel()->SetPlayAheadSetting(fOpened.setting);
    DocumentPreferences& documents = fSettings.documents;
    const DocumentPreferences& opened = fOpened.documents;
    documents.alwaysMoveLeftLocator = opened.alwaysMoveLeftLocator;
    documents.scrollDuringPlayback = opened.scrollDuringPlayback;
    documents.setBarsToOne = opened.setBarsToOne;
    fSettings.application.SetShowOpenDialogOnStartup(fOpened.showOpen);
    const bool lookChanged = documents.look.waveform != opened.look.waveform ||
                             documents.look.contrast != opened.look.contrast || documents.look.style != opened.look.style;
    documents.look = opened.look;
    if (lookChanged && fSettings.redrawWindows)
        fSettings.redrawWindows();
}

void CQuilletPreferencesDialog::CheckControls()
{
    if (fSetColour->TakePress())
        PickColour();
    if (fHelp->TakePress() && CApplication::Current())
        CApplication::Current()->DoCommand(Cmd::kContents);
    if (fOK->TakePress())
        EndModal(kOK);
    if (fCancel->TakePress()) {
        Restore();
        EndModal(kCancel);
    }
}
