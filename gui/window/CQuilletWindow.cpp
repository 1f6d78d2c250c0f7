#include "gui/window/CQuilletWindow.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QRegularExpressionValidator>
#include <QWidget>

#include "document/playback/CWavePlayer.h"
#include "framework/alerts/Alerts.h"
#include "framework/files/FileTypes.h"
#include "framework/resources/CMenu.h"
#include "framework/resources/CMenuBar.h"
#include "framework/resources/ResourceScripts.h"
#include "gui/framework/application/CApplication.h"
#include "gui/framework/controls/CFaderView.h"
#include "gui/framework/controls/CPopupButtonView.h"
#include "gui/framework/controls/CPushButtonView.h"
#include "gui/framework/controls/CSingleLineTextEditView.h"
#include "gui/framework/views/CStaticTextView.h"
#include "gui/framework/views/CWindowRootGroupView.h"
#include "gui/framework/windows/CSaveQuestionDialog.h"
#include "gui/graphics/CPictureResources.h"
#include "gui/views/CMagnifyView.h"
#include "gui/views/CRangeScaleView.h"
#include "gui/views/CRangeScrollBarView.h"
#include "gui/views/CSampleOverView.h"
#include "gui/views/CSampleSliceView.h"
#include "gui/views/CSliceView.h"
#include "gui/window/CFileChooser.h"
#include "gui/window/CNoLengthSpecifiedDialog.h"
#include "gui/window/CWindowTransmitHost.h"
#include "resources/QuilletCommands.h"
#include "samplers/model/CABCSupportedSampler.h"
#include "samplers/model/CInstalledSampler.h"

namespace {

// Toolbar rows and the heights of the views below them.
constexpr int kRowHeight = 24;
constexpr int kFirstRow = 2;
constexpr int kSecondRow = kFirstRow + kRowHeight + 2;
constexpr int kViewsTop = kSecondRow + kRowHeight + 4;
constexpr int kStripHeight = 18;
constexpr int kRulerHeight = 18;
constexpr int kOverviewHeight = 24;
constexpr int kScrollBarHeight = 16;
constexpr int kMagnifyWidth = 40;
constexpr int kButtonWidth = 34;
constexpr int kFaderWidth = 100;
constexpr int kLabelWidth = 36;
constexpr int kNewTempoLength = 10;
constexpr int kBarsLength = 3;
constexpr const char* kDocumentKind = "Quillet!";

// Toolbar button faces (SMTB): the tools, the playback buttons, the sampler
// toggles followed by Transmit, each set in toolbar order.
constexpr std::uint16_t kToolFaces = 16000;
constexpr std::uint16_t kPlaybackFaces = 16010;
constexpr std::uint16_t kSamplerFaces = 16030;

constexpr std::uint16_t Face(std::uint16_t first, int index)
{
    return static_cast<std::uint16_t>(first + index);
}

// Tooltips of the toolbar (string list 129).
constexpr ResourceId Tooltip(int number)
{
    return 400129000 + static_cast<ResourceId>(number);
}

std::vector<std::string> PopupLabels(ResourceId menu)
{
    std::vector<std::string> labels;
    const CMenu popup(menu);
    for (const MenuItemRecord& record : popup.Records())
        labels.push_back(record.label);
    return labels;
}

}  // namespace

CQuilletWindow::CQuilletWindow(CApplication& application, std::unique_ptr<CLoopDocument> document,
                               std::shared_ptr<DocumentSession> session)
    : CDocumentWindow(application), fSession(std::move(session))
{
    CWavePlayerNotifier& notifier = *this;
    CABCQuilletWindowHost& host = *this;
    fModel = std::make_unique<CQuilletWindowModel>(std::move(document), fSession->player, notifier, host);
    BuildToolbar();
    BuildViews();
    SetContentSize(kWidth, kHeight);
    Widget().setMinimumSize(kMinimumWidth, kMinimumHeight);
}

CQuilletWindow::~CQuilletWindow()
{
    // Nothing may call back into the window while it goes: the sound stops
    // first, then the views that read the model go before the model does.
    fDestroying = true;
    QObject::disconnect(fActivation);
    if (fModel->PlayState().IsPlaying())
        fSession->player.StopPlayback();
    for (CView* view : std::initializer_list<CView*>{fSliceStrip, fWaveform, fRuler, fOverview, fMagnify, fScrollBar})
        delete view;
}

CPushButtonView* CQuilletWindow::ToolbarButton(int x, int y, int width, std::uint16_t face, ResourceId tooltip,
                                               bool checkable)
{
    auto* button = new CPushButtonView(&Root(), PixelRect{x, y, x + width, y + kRowHeight}, "");
    button->SetPicture(CPictureResources::LoadMaskedBMP("SMTB", face));
    button->SetTooltip(GetResourceString(tooltip));
    static_cast<QAbstractButton&>(button->Widget()).setCheckable(checkable);
    return button;
}

void CQuilletWindow::BuildToolbar()
{
    for (int i = 0; i < 5; ++i)
        fPlayButtons[static_cast<std::size_t>(i)] = ToolbarButton(2 + i * (kButtonWidth + 1), kFirstRow, kButtonWidth,
                                                                  Face(kPlaybackFaces, i), Tooltip(200 + i), i > 0);
    int x = 2 + 5 * (kButtonWidth + 1) + 4;
    fStretch = new CFaderView(&Root(), PixelRect{x, kFirstRow, x + kFaderWidth, kFirstRow + kRowHeight}, false);
    fStretch->SetTooltip(GetResourceString(Tooltip(205)));
    x += kFaderWidth + 2;
    fStretchLabel = new CStaticTextView(&Root(), PixelRect{x, kFirstRow + 4, x + kLabelWidth, kFirstRow + kRowHeight}, "");
    x += kLabelWidth + 2;
    CPushButtonView** toggles[] = {&fOneSample, &fNormalize, &fSilence, &fPitchMode};
    for (int i = 0; i < 4; ++i)
        *toggles[i] = ToolbarButton(x + i * (kButtonWidth + 1), kFirstRow, kButtonWidth, Face(kSamplerFaces, i),
                                    Tooltip(206 + i), true);
    x += 4 * (kButtonWidth + 1) + 3;
    fNewTempo = new CSingleLineTextEditView(&Root(), x, kFirstRow + 1, 64, kNewTempoLength);
    fNewTempo->SetTooltip(GetResourceString(Tooltip(210)));
    static_cast<QLineEdit&>(fNewTempo->Widget())
        .setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*\\.?[0-9]*")),
                                                      &fNewTempo->Widget()));
    x += 66;
    fTransmit = ToolbarButton(x, kFirstRow, kButtonWidth, Face(kSamplerFaces, 4), Tooltip(211), false);

    for (int i = 0; i < 4; ++i)
        fToolButtons[static_cast<std::size_t>(i)] = ToolbarButton(2 + i * (kButtonWidth + 1), kSecondRow, kButtonWidth,
                                                                  Face(kToolFaces, i), Tooltip(212 + i), true);
    x = 2 + 4 * (kButtonWidth + 1) + 4;
    fSensitivity = new CFaderView(&Root(), PixelRect{x, kSecondRow, x + kFaderWidth, kSecondRow + kRowHeight}, false);
    fSensitivity->SetTooltip(GetResourceString(Tooltip(216)));
    x += kFaderWidth + 2;
    fSensitivityLabel = new CStaticTextView(&Root(), PixelRect{x, kSecondRow + 4, x + 24, kSecondRow + kRowHeight}, "");
    x += 26;
    fBarsLabel = new CStaticTextView(&Root(), PixelRect{x, kSecondRow + 4, x + 28, kSecondRow + kRowHeight}, "Bars");
    x += 28;
    fBars = new CSingleLineTextEditView(&Root(), x, kSecondRow + 1, 40, kBarsLength);
    fBars->SetTooltip(GetResourceString(Tooltip(217)));
    static_cast<QLineEdit&>(fBars->Widget())
        .setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), &fBars->Widget()));
    x += 44;
    fBeats = new CPopupButtonView(&Root(), PixelRect{x, kSecondRow, x + 44, kSecondRow + kRowHeight});
    fBeats->SetItems(PopupLabels(Res::kPopupBeats));
    fBeats->SetTooltip(GetResourceString(Tooltip(218)));
    x += 46;
    fSignature = new CPopupButtonView(&Root(), PixelRect{x, kSecondRow, x + 56, kSecondRow + kRowHeight});
    fSignature->SetItems(PopupLabels(Res::kPopupTimeSignature));
    fSignature->SetTooltip(GetResourceString(Tooltip(219)));
    x += 60;
    fTempo = new CStaticTextView(&Root(), PixelRect{x, kSecondRow + 4, x + 110, kSecondRow + kRowHeight}, "");
    fTempo->SetTooltip(GetResourceString(Tooltip(220)));
}

void CQuilletWindow::BuildViews()
{
    CABCLoopViewHost& host = *this;
    fSliceStrip = new CSliceView(&Root(), PixelRect{}, host);
    fWaveform = new CSampleSliceView(&Root(), PixelRect{}, host);
    fRuler = new CRangeScaleView(&Root(), PixelRect{}, host);
    fOverview = new CSampleOverView(&Root(), PixelRect{}, host);
    fMagnify = new CMagnifyView(&Root(), PixelRect{}, host);
    fScrollBar = new CRangeScrollBarView(&Root(), PixelRect{}, host);
}

void CQuilletWindow::Layout()
{
    const PixelRect& bounds = Root().GetFrame();
    const int width = std::max(bounds.Width(), kMinimumWidth);
    const int height = std::max(bounds.Height(), kMinimumHeight);
    fLaidOutWidth = bounds.Width();
    fLaidOutHeight = bounds.Height();
    const int scrollTop = height - kScrollBarHeight;
    const int overviewTop = scrollTop - kOverviewHeight;
    const int rulerTop = overviewTop - kRulerHeight;
    const int waveformTop = kViewsTop + kStripHeight;
    fSliceStrip->SetFrame({0, kViewsTop, width, waveformTop});
    fWaveform->SetFrame({0, waveformTop, width, rulerTop});
    fRuler->SetFrame({0, rulerTop, width, overviewTop});
    fOverview->SetFrame({0, overviewTop, width - kMagnifyWidth, scrollTop});
    fMagnify->SetFrame({width - kMagnifyWidth, overviewTop, width, scrollTop});
    fScrollBar->SetFrame({0, scrollTop, width, height});
    Root().Invalidate();
}

void CQuilletWindow::Open()
{
    CDocumentWindow::Open();
    // On activation and deactivation new documents take this window's
    // toggles and stretch.
    if (!fActivation)
        fActivation = QObject::connect(SubWindow(), &QMdiSubWindow::windowStateChanged,
                                       [this](Qt::WindowStates before, Qt::WindowStates now) {
                                           if ((before ^ now) & Qt::WindowActive)
                                               fModel->Activated();
                                       });
    Layout();
    UpdateContents();
    fModel->FinishOpening();
    UpdateContents();
}

CPushButtonView* CQuilletWindow::PlayButton(DocumentPlayButton button) const
{
    return fPlayButtons[static_cast<std::size_t>(button)];
}

void CQuilletWindow::CheckControls()
{
    CheckButtons();
    CheckFields();
    if (fStretch->Value() != fShownStretch)
        fModel->SetStretchSlider(fStretch->Value());
    if (fSensitivity->Value() != fShownSensitivity)
        fModel->SetSensitivitySlider(fSensitivity->Value());
    if (fBeats->Value() != fShownBeats)
        fModel->SetBeats(fBeats->Value());
    if (fSignature->Value() != fShownSignature)
        fModel->SetSignature(fSignature->Value());
    if (!fStretch->IsDragged() && !fSensitivity->IsDragged())
        fModel->SlidersReleased();
    UpdateContents();
}

void CQuilletWindow::CheckButtons()
{
    for (const DocumentPlayButton button : {DocumentPlayButton::kStop, DocumentPlayButton::kPlayLoop,
                                            DocumentPlayButton::kPlayPrevious, DocumentPlayButton::kPlayCurrent,
                                            DocumentPlayButton::kPlayNext})
        if (PlayButton(button)->TakePress())
            fModel->Press(button);
    for (std::size_t i = 0; i < fToolButtons.size(); ++i)
        if (fToolButtons[i]->TakePress())
            fModel->SetTool(static_cast<DocumentTool>(i));
    if (fOneSample->TakePress())
        fModel->DoCommand(Cmd::kTransmitAsOneSample);
    if (fNormalize->TakePress())
        fModel->DoCommand(Cmd::kNormalize);
    if (fSilence->TakePress())
        fModel->DoCommand(Cmd::kSilenceSelected);
    if (fPitchMode->TakePress())
        fModel->DoCommand(Cmd::kPitchToNewTempo);
    if (fTransmit->TakePress())
        fModel->DoCommand(Cmd::kTransmit);
}

void CQuilletWindow::CheckFields()
{
    // Entries that are not a value yet (an empty New tempo) change nothing;
    // the field shows the value again once it loses the focus.
    if (fBars->Text() != fModel->BarsText())
        fModel->SetBarsText(fBars->Text());
    if (fNewTempo->Text() != fModel->NewTempoText())
        fModel->SetNewTempoText(fNewTempo->Text());
}

void CQuilletWindow::ShowChecked(CPushButtonView& button, bool checked)
{
    static_cast<QAbstractButton&>(button.Widget()).setChecked(checked);
}

void CQuilletWindow::ShowControls()
{
    const CSlicingSettings& settings = fModel->Settings();
    fStretch->SetValue(fShownStretch = fModel->StretchSlider());
    fStretchLabel->SetText(fModel->StretchLabel());
    fSensitivity->SetValue(fShownSensitivity = fModel->SensitivitySlider());
    fSensitivityLabel->SetText(fModel->SensitivityLabel());
    fBeats->SetValue(fShownBeats = settings.beats);
    fSignature->SetValue(fShownSignature = settings.signature);
    if (!fBars->HasFocus() && fBars->Text() != fModel->BarsText())
        fBars->SetText(fModel->BarsText());
    if (!fNewTempo->HasFocus())
        fNewTempo->SetText(fModel->NewTempoText());
    fNewTempo->SetEnabled(fModel->NewTempoEnabled());
    fTempo->SetText(fModel->TempoText());
    ShowChecked(*fOneSample, fModel->TransmitAsOneSample());
    ShowChecked(*fNormalize, settings.normalize);
    ShowChecked(*fSilence, settings.silenceSelected);
    ShowChecked(*fPitchMode, settings.pitchMode);
    fTransmit->SetEnabled(CanTransmit());
    for (std::size_t i = 0; i < fToolButtons.size(); ++i)
        ShowChecked(*fToolButtons[i], static_cast<std::size_t>(fModel->Tool()) == i);
    for (std::size_t i = 0; i < fPlayButtons.size(); ++i) {
        const auto button = static_cast<DocumentPlayButton>(i);
        fPlayButtons[i]->SetEnabled(fModel->PlayButtonsEnabled());
        ShowChecked(*fPlayButtons[i], fModel->IsPlayButtonPressed(button));
    }
    fScrollBar->ShowRange();
}

void CQuilletWindow::UpdateContents()
{
    if (fDestroying)
        return;
    ShowControls();
    const std::string title = fModel->Title();
    if (Title() != title)
        SetTitle(title);
    Root().Invalidate();
}

bool CQuilletWindow::KeyDown(const CKeyEvent& event)
{
    // Keys typed into Bars or New tempo belong to the field until Return,
    // Escape or a click elsewhere ends the entry.
    if (IsEditingText() && !(event.modifiers & CDocumentKeyMap::kControlModifier))
        return CDocumentWindow::KeyDown(event);
    const CQuilletWindowModel::KeyResult result = fModel->HandleKey(event);
    if (!result.handled)
        return CDocumentWindow::KeyDown(event);
    if (result.press && fModel->PlayButtonsEnabled())
        PlayButton(*result.press)->PressVisibly();
    UpdateContents();
    return true;
}

void CQuilletWindow::IdleWindow()
{
    const PixelRect& bounds = Root().GetFrame();
    if (bounds.Width() != fLaidOutWidth || bounds.Height() != fLaidOutHeight)
        Layout();
    fSession->player.IdlePoll();
    const bool follow = fModel->PlayState().ShouldFollow(Preferences().scrollDuringPlayback,
                                                        fWaveform->IsDragging(), TrackingView() != nullptr);
    fWaveform->FollowPlayback(follow);
    if (follow && fScrollBar->Value() != fModel->Range().Thumb())
        fScrollBar->ShowRange();
}

bool CQuilletWindow::DoCommand(std::uint32_t command)
{
    if (command == Cmd::kClose) {
        TryClose();
        return true;
    }
    if (!fModel->DoCommand(command))
        return CDocumentWindow::DoCommand(command);
    if (command == Cmd::kUndo || command == Cmd::kRedo) {
        // A field being typed in shows the restored value too, or the next
        // poll would take its old text back into the document.
        fBars->SetText(fModel->BarsText());
        fNewTempo->SetText(fModel->NewTempoText());
    }
    UpdateContents();
    return true;
}

void CQuilletWindow::UpdateMenus()
{
    CMenuBar* menus = fSession->menuBar ? fSession->menuBar() : nullptr;
    if (!menus)
        return;
    for (const CQuilletWindowModel::MenuItemStatus& item : fModel->MenuStatus()) {
        if (const auto where = menus->FindCommand(item.command)) {
            where->menu->SetEnabled(where->index, item.enabled);
            where->menu->SetChecked(where->index, item.checked);
        }
    }
}

bool CQuilletWindow::CanClose()
{
    if (!fModel->Document().IsDirty())
        return true;
    switch (CSaveQuestionDialog::Ask(kDocumentKind, fModel->Sound().Name())) {
    case CSaveQuestionDialog::kYes:
        fModel->DoCommand(Cmd::kSave);
        return !fModel->Document().IsDirty();
    case CSaveQuestionDialog::kNo: return true;
    case CSaveQuestionDialog::kCancel: return false;
    }
    return false;
}

void CQuilletWindow::Close()
{
    if (fModel->PlayState().IsPlaying())
        fSession->player.StopPlayback();
    CDocumentWindow::Close();
}

bool CQuilletWindow::AskMoveLeftLocator()
{
    constexpr std::int32_t kYes = 33;  // [No][Yes]
    return ::ShowAlert(Res::kAlertMoveLeftLocator) == kYes;
}

std::optional<std::int16_t> CQuilletWindow::AskLoopLength()
{
    return CNoLengthSpecifiedDialog::Ask();
}

bool CQuilletWindow::CanTransmit() const
{
    const CInstalledSampler* target = fSession->transmitTarget ? fSession->transmitTarget() : nullptr;
    return target && target->Type().CanTransmit();
}

void CQuilletWindow::Transmit(CSliceRenderSet& renderSet)
{
    CInstalledSampler* target = fSession->transmitTarget ? fSession->transmitTarget() : nullptr;
    if (!target || !fSession->openSoundWindow)
        return;
    SamplerFileExportJob job{renderSet, fModel->Sound().Name(), fModel->Settings().newTempo,
                             fSession->samplerFiles, fFeedback,
                             [this](ResourceId title, const std::string& name, const CFileType& type)
                                 -> std::optional<CFileSpec> {
                                 const auto choice = CFileChooser::AskToSave(&Widget(), GetResourceString(title),
                                                                             name, CFileTypeList{&type}, LoopFolder());
                                 if (!choice)
                                     return std::nullopt;
                                 return choice->file;
                             },
                             [this](ResourceId title, const CFileType& type) {
                                 return CFileChooser::AskToOpen(&Widget(), GetResourceString(title),
                                                                CFileTypeList{&type});
                             }};
    CWindowTransmitHost host(std::move(job), fSession->openSoundWindow,
                             [this] { fModel->DoCommand(Cmd::kExportSFZKit); }, fSession->transmitToSampler);
    target->Type().Transmit(*target, host);
}

std::string CQuilletWindow::LoopFolder() const
{
    const std::optional<CFileSpec>& origin = fModel->Document().Origin();
    return origin ? origin->Directory() : std::string();
}

std::optional<CABCQuilletWindowHost::ChosenFile> CQuilletWindow::AskFileToWrite(FileKind kind, const char* name)
{
    ResourceId title = Res::kStringSaveDocumentTitle;
    CFileTypeList types{&kQuilletDocumentFileType};
    switch (kind) {
    case FileKind::kDocument: break;
    case FileKind::kSlices: title = Res::kStringExportSoundTitle; types = {&kAIFFFileType, &kWaveFileType}; break;
    case FileKind::kSLX: title = Res::kStringExportSLXTitle; types = {&kSLXFileType}; break;
    case FileKind::kGrooveMIDI: title = Res::kStringExportMIDITitle; types = {&kMIDIFileType}; break;
    case FileKind::kMarkedLoop: title = Res::kStringExportMarkedLoopTitle; types = {&kAIFFFileType, &kWaveFileType}; break;
    case FileKind::kSFZKit: title = Res::kStringExportSFZKitTitle; types = {&kSFZFileType}; break;
    }
    // Exports are offered next to the loop; a document where files were last chosen.
    const std::string folder = kind != FileKind::kDocument ? LoopFolder() : std::string();
    const std::optional<CFileChooser::Choice> choice =
        CFileChooser::AskToSave(&Widget(), GetResourceString(title), CFileSpec(name).Name(), types, folder);
    if (!choice)
        return std::nullopt;
    return ChosenFile{choice->file, choice->type};
}

void CQuilletWindow::DocumentSaved(const CFileSpec& file)
{
    if (fSession->fileUsed)
        fSession->fileUsed(file);
}

void CQuilletWindow::ShowAlert(ResourceId alert)
{
    ::ShowAlert(alert);
}

void CQuilletWindow::RefreshAllWindows()
{
    for (CDocumentWindow* window : Application().DocumentWindows())
        window->UpdateContents();
}

void CQuilletWindow::ClickWaveform(std::int64_t frame, bool alt)
{
    fModel->ClickWaveform(frame, alt);
    UpdateContents();
}

void CQuilletWindow::ClickMarker(int index, bool shift)
{
    fModel->ClickMarker(index, shift);
    UpdateContents();
}

std::int64_t CQuilletWindow::DragMarker(int index, std::int64_t frame, bool alt)
{
    const std::int64_t position = fModel->DragMarker(index, frame, alt);
    UpdateContents();
    return position;
}

void CQuilletWindow::EndGesture()
{
    fModel->EndGesture();
}

void CQuilletWindow::SelectMarkers(std::int64_t from, std::int64_t to)
{
    fModel->SelectMarkers(from, to);
    UpdateContents();
}

bool CQuilletWindow::MoveLeftLocator(std::int64_t frame)
{
    const bool moved = fModel->MoveLeftLocator(frame);
    UpdateContents();
    return moved;
}

bool CQuilletWindow::MoveRightLocator(std::int64_t frame)
{
    const bool moved = fModel->MoveRightLocator(frame);
    UpdateContents();
    return moved;
}
