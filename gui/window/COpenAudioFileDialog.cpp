#include "gui/window/COpenAudioFileDialog.h"

#include "document/playback/CWavePlayer.h"
#include "document/window/SoundFileDescription.h"
#include "formats/sound/SoundFileOpen.h"
#include "framework/alerts/Alerts.h"
#include "framework/files/CFileSpec.h"
#include "gui/framework/controls/CCheckBoxView.h"
#include "gui/framework/controls/CPushButtonView.h"
#include "gui/framework/controls/CRadioButtonView.h"
#include "gui/framework/views/CGroupBoxView.h"
#include "gui/framework/views/CRadioButtonGroupView.h"
#include "gui/framework/views/CStaticTextView.h"
#include "gui/framework/views/CWindowRootGroupView.h"
#include "gui/window/RequiredItem.h"
#include "sound/WAVE_SAMPLE.h"

bool COpenAudioFileDialog::sAutoPlay = false;

namespace {

PixelRect Inside(const PixelRect& frame, const PixelRect& parent)
{
    return {frame.left - parent.left, frame.top - parent.top, frame.right - parent.left, frame.bottom - parent.top};
}
}  // namespace

COpenAudioFileDialog::COpenAudioFileDialog(const std::string& path, const SoundFileInfo& info, CWavePlayer* player)
    : CModalDialog(kTemplate), fPath(path), fInfo(info), fPlayer(player)
{
    fDescription = new CStaticTextView(&Root(), RequiredItem(*this, kDescription).frame,
                                       DescribeSoundFile(CFileSpec(path).NameWithExtension(), info));
    const DialogItemRecord& box = RequiredItem(*this, kChannelBox);
    new CGroupBoxView(&Root(), box.frame, box.text);
    fChannels = new CRadioButtonGroupView(&Root(), box.frame);
    for (const std::uint16_t id : {kLeft, kRight, kMix}) {
        DialogItemRecord item = RequiredItem(*this, id);
        item.frame = Inside(item.frame, box.frame);
        new CRadioButtonView(fChannels, item);
    }
    fChannels->Select(0);
    fChannels->SetEnabled(info.channels == 2);
    fPlay = new CPushButtonView(&Root(), RequiredItem(*this, kPlay));
    fStop = new CPushButtonView(&Root(), RequiredItem(*this, kStop));
    fPlay->SetEnabled(fPlayer != nullptr);
    fStop->SetEnabled(fPlayer != nullptr);
    fAutoPlay = new CCheckBoxView(&Root(), RequiredItem(*this, kAutoPlay));
    fAutoPlay->SetChecked(sAutoPlay);
    fShownAutoPlay = sAutoPlay;
    fOpen = new CPushButtonView(&Root(), RequiredItem(*this, kOpen));
    fCancel = new CPushButtonView(&Root(), RequiredItem(*this, kCancel));
    SetDefaultButton(fOpen);
    SetCancelButton(fCancel);
}

COpenAudioFileDialog::~COpenAudioFileDialog()
{
    StopPreview();
}

std::optional<ChannelChoice> COpenAudioFileDialog::Ask(const std::string& path, const SoundFileInfo& info,
                                                       CWavePlayer* player)
{
    COpenAudioFileDialog dialog(path, info, player);
    if (dialog.RunModal() != kOpen)
        return std::nullopt;
    return dialog.Channel();
}

void COpenAudioFileDialog::Open()
{
    CModalDialog::Open();
    if (sAutoPlay && AutoPlayAllowed(fInfo))
        Play();
}

ChannelChoice COpenAudioFileDialog::Channel() const
{
    switch (fChannels->SelectedIndex()) {
    case 1: return ChannelChoice::Right;
    case 2: return ChannelChoice::Mix;
    default: return ChannelChoice::Left;
    }
}

void COpenAudioFileDialog::CheckControls()
{
    if (fAutoPlay->IsChecked() != fShownAutoPlay) {
        fShownAutoPlay = sAutoPlay = fAutoPlay->IsChecked();
        if (sAutoPlay && !AutoPlayAllowed(fInfo))
            ShowAlert(Res::kAlertAutoPlayLimit);
        else if (sAutoPlay)
            Play();
    }
    if (fPlay->TakePress())
        Play();
    if (fStop->TakePress())
        StopPreview();
    if (fOpen->TakePress())
        EndModal(kOpen);
    if (fCancel->TakePress())
        EndModal(kCancel);
}

void COpenAudioFileDialog::Play()
{
    if (!fPlayer)
        return;
    StopPreview();
    if (!fPreview || fPreviewChannel != Channel()) {
        fPreview.reset();
        try {
            fPreview = OpenSoundFile(fPath, Channel());
            fPreviewChannel = Channel();
        } catch (...) {
            ShowAlertWithArgument(SoundFileAlert(std::current_exception()), CFileSpec(fPath).NameWithExtension());
            return;
        }
    }
    fPlayer->PlayAll(*fPreview, nullptr);
}

void COpenAudioFileDialog::StopPreview()
{
    if (fPlayer && fPreview && fPlayer->PlayingSample() == fPreview.get())
        fPlayer->StopPlayback();
}
