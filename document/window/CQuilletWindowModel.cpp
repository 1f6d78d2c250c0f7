#include "document/window/CQuilletWindowModel.h"

#include <algorithm>

#include "document/export/DocumentFile.h"
#include "document/export/ExportGrooveMIDI.h"
#include "document/export/ExportSLX.h"
#include "document/export/ExportSFZKit.h"
#include "document/export/ExportSlices.h"
#include "document/export/MarkedLoop.h"
#include "document/playback/CWavePlayer.h"
#include "document/views/CLocatorRules.h"
#include "document/window/CABCQuilletWindowHost.h"
#include "document/window/SlicePointDrag.h"
#include "document/window/ToolbarValues.h"
#include "framework/files/FileTypes.h"
#include "resources/QuilletCommands.h"
#include "slicing/CSliceRenderSet.h"
#include "slicing/Tempo.h"
#include "sound/SampleFormatting.h"

namespace {
constexpr int kMaxSensitivity = 990;
constexpr int kSensitivityStep = 10;
constexpr int kLastBeat = 7;
constexpr int kLastSignature = 5;
// Edits of one gesture that become one undo step.
constexpr const char* kStretchGesture = "stretch";
constexpr const char* kSensitivityGesture = "sensitivity";
constexpr const char* kBarsGesture = "bars";
constexpr const char* kNewTempoGesture = "new tempo";
constexpr const char* kMarkerGesture = "marker";
constexpr const char* kLeftLocatorGesture = "left locator";
constexpr const char* kRightLocatorGesture = "right locator";
}  // namespace

CQuilletWindowModel::CQuilletWindowModel(std::unique_ptr<CLoopDocument> document, CWavePlayer& player,
                                         CWavePlayerNotifier& notifier, CABCQuilletWindowHost& host)
    : fDocument(std::move(document)), fPlayer(player), fHost(host),
      fPlayState(player, fDocument->Sound(), fDocument->Slices(), notifier),
      fRange(fDocument->Sound().Frames()), fHistory(*fDocument)
{
}

CQuilletWindowModel::~CQuilletWindowModel()
{
    if (fPlayState.IsPlaying())
        fPlayer.StopPlayback();
}

void CQuilletWindowModel::FinishOpening()
{
    Slices().ClearDirty();
    if (Slices().Count() > 0 && Slices().Entry(0).position > 0 && Sound().LoopStart() == 0 &&
        (fHost.AlwaysMoveLeftLocator() || fHost.AskMoveLeftLocator())) {
        const std::int64_t first = Slices().Entry(0).position;
        Sound().SetLoopStart(static_cast<std::int32_t>(first));
        fPlayState.SetPlayPosition(first);
    }
    if (!fDocument->File())
        fDocument->MarkClean(std::nullopt);
    fHistory = CEditHistory(*fDocument);
}

void CQuilletWindowModel::SetStretchSlider(int value)
{
    MutableSettings().stretch = static_cast<std::int16_t>(StretchIndexFromSlider(value));
    Edited(kStretchGesture);
}

int CQuilletWindowModel::StretchSlider() const
{
    return SliderFromStretchIndex(Settings().stretch);
}

std::string CQuilletWindowModel::StretchLabel() const
{
    return CSlicingSettings::StretchLabel(Settings().stretch);
}

void CQuilletWindowModel::SetSensitivitySlider(int value)
{
    ChangeSensitivity(CSlicingSettings::SensitivityFromSlider(value));
    Edited(kSensitivityGesture);
}

void CQuilletWindowModel::SetSensitivity(int sensitivity)
{
    ChangeSensitivity(sensitivity);
    Edited();
}

void CQuilletWindowModel::ChangeSensitivity(int sensitivity)
{
    const int value = std::clamp(sensitivity, 0, kMaxSensitivity) / kSensitivityStep * kSensitivityStep;
    MutableSettings().sensitivity = static_cast<std::int16_t>(value);
    fDocument->ApplySensitivity();
}

int CQuilletWindowModel::SensitivitySlider() const
{
    return CSlicingSettings::SliderFromSensitivity(Settings().sensitivity);
}

std::string CQuilletWindowModel::SensitivityLabel() const
{
    return CSlicingSettings::SensitivityLabel(Settings().sensitivity);
}

bool CQuilletWindowModel::SetBarsText(std::string_view text)
{
    const std::optional<std::int16_t> bars = text.empty() ? std::optional<std::int16_t>(0) : ParseBars(text);
    if (!bars)
        return false;
    MutableSettings().bars = *bars;
    Edited(kBarsGesture);
    return true;
}

std::string CQuilletWindowModel::BarsText() const
{
    return std::to_string(Settings().bars);
}

void CQuilletWindowModel::SetBeats(int beats)
{
    MutableSettings().beats = static_cast<std::int16_t>(std::clamp(beats, 0, kLastBeat));
    Edited();
}

void CQuilletWindowModel::SetSignature(int index)
{
    MutableSettings().signature = static_cast<std::int16_t>(std::clamp(index, 0, kLastSignature));
    Edited();
}

bool CQuilletWindowModel::SetNewTempoText(std::string_view text)
{
    const std::optional<std::int32_t> tempo = ParseNewTempo(text);
    if (!tempo)
        return false;
    MutableSettings().newTempo = *tempo;
    Edited(kNewTempoGesture);
    return true;
}

std::string CQuilletWindowModel::NewTempoText() const
{
    return FormatNewTempo(Settings().newTempo);
}

void CQuilletWindowModel::SetPitchMode(bool on)
{
    MutableSettings().pitchMode = on;
    Edited();
}

void CQuilletWindowModel::SetNormalize(bool on)
{
    MutableSettings().normalize = on;
    Edited();
}

void CQuilletWindowModel::SetSilenceSelected(bool on)
{
    MutableSettings().silenceSelected = on;
    Edited();
}

void CQuilletWindowModel::SetTransmitAsOneSample(bool on)
{
    MutableSettings().separateSamples = !on;
    Edited();
}

void CQuilletWindowModel::SlidersReleased()
{
    fHistory.EndGesture(kStretchGesture);
    fHistory.EndGesture(kSensitivityGesture);
}

bool CQuilletWindowModel::Undo()
{
    if (!fHistory.Undo(*fDocument))
        return false;
    DropStaleCurrentSlice();
    return true;
}

bool CQuilletWindowModel::Redo()
{
    if (!fHistory.Redo(*fDocument))
        return false;
    DropStaleCurrentSlice();
    return true;
}

void CQuilletWindowModel::DropStaleCurrentSlice()
{
    const int current = fPlayState.CurrentSlice();
    if (current >= Slices().Count() || (current >= 0 && !Slices().Entry(current).IsCounted()))
        fPlayState.SetCurrentSlice(CDocumentPlayState::kNoSlice);
}

void CQuilletWindowModel::Edited(const char* gesture)
{
    fHistory.Record(*fDocument, gesture);
}

std::string CQuilletWindowModel::TempoText() const
{
    return FormatTempo(Tempo());
}

std::string CQuilletWindowModel::Title() const
{
    std::string title = std::string(Sound().Name()) + " (" + FormatSampleRate(Sound().Rate()) + ")";
    if (fDocument->IsDirty())
        title += " *";
    return title;
}

bool CQuilletWindowModel::PlayButtonsEnabled() const
{
    return fHost.IsSoundAvailable();
}

bool CQuilletWindowModel::IsPlayButtonPressed(DocumentPlayButton button) const
{
    switch (button) {
    case DocumentPlayButton::kPlayLoop: return fPlayState.IsButtonPressed(CDocumentPlayState::kLoop);
    case DocumentPlayButton::kPlayCurrent: return fPlayState.IsButtonPressed(CDocumentPlayState::kCurrentSlice);
    case DocumentPlayButton::kPlayPrevious: return fPlayState.IsButtonPressed(CDocumentPlayState::kPreviousSlice);
    case DocumentPlayButton::kPlayNext: return fPlayState.IsButtonPressed(CDocumentPlayState::kSliceAndNext);
    case DocumentPlayButton::kStop: return false;
    }
    return false;
}

void CQuilletWindowModel::Press(DocumentPlayButton button)
{
    fPlayState.SetSoundAvailable(fHost.IsSoundAvailable());
    switch (button) {
    case DocumentPlayButton::kStop: fPlayState.Stop(); break;
    case DocumentPlayButton::kPlayLoop: fPlayState.PlayLoop(); break;
    case DocumentPlayButton::kPlayPrevious: fPlayState.PlayPreviousSlice(); break;
    case DocumentPlayButton::kPlayCurrent: fPlayState.PlayCurrentSlice(); break;
    case DocumentPlayButton::kPlayNext: fPlayState.PlaySliceAndMoveToNext(); break;
    }
}

CQuilletWindowModel::KeyResult CQuilletWindowModel::HandleKey(const CKeyEvent& event)
{
    const DocumentKeyAction action = CDocumentKeyMap::Translate(event);
    switch (action.kind) {
    case DocumentKeyAction::kNone: return {};
    case DocumentKeyAction::kPress: return {true, static_cast<DocumentPlayButton>(action.value)};
    case DocumentKeyAction::kStopOrPlayLoop:
        return {true, fPlayState.IsPlaying() ? DocumentPlayButton::kStop : DocumentPlayButton::kPlayLoop};
    default: ApplyKeyAction(action); return {true, std::nullopt};
    }
}

void CQuilletWindowModel::ApplyKeyAction(const DocumentKeyAction& action)
{
    const int sensitivity = Settings().sensitivity;
    switch (action.kind) {
    case DocumentKeyAction::kSelectTool: SetTool(static_cast<DocumentTool>(action.value)); break;
    case DocumentKeyAction::kMagnifyIn: fRange.ZoomIn(); break;
    case DocumentKeyAction::kMagnifyOut: fRange.ZoomOut(); break;
    case DocumentKeyAction::kSetSensitivity:
    case DocumentKeyAction::kRaiseSensitivity:
    case DocumentKeyAction::kLowerSensitivity:
        SetSensitivity(action.kind == DocumentKeyAction::kSetSensitivity ? action.value
                       : action.kind == DocumentKeyAction::kRaiseSensitivity ? sensitivity + kSensitivityStep
                                                                              : sensitivity - kSensitivityStep);
        fHost.RefreshAllWindows();
        break;
    case DocumentKeyAction::kToggleScrollDuringPlayback:
        fHost.SetScrollDuringPlayback(!fHost.ScrollDuringPlayback());
        break;
    case DocumentKeyAction::kUndo: Undo(); break;
    case DocumentKeyAction::kRedo: Redo(); break;
    case DocumentKeyAction::kPreviousSlice: SelectPreviousSlice(); break;
    case DocumentKeyAction::kNextSlice: SelectNextSlice(); break;
    case DocumentKeyAction::kPositionToLeftLocator: fPlayState.SetPlayPosition(Sound().LoopStart()); break;
    case DocumentKeyAction::kPositionToRightLocator: fPlayState.SetPlayPosition(Sound().LoopEnd()); break;
    default: break;
    }
}

void CQuilletWindowModel::SelectPreviousSlice()
{
    const CSliceList& slices = Slices();
    const int current = fPlayState.CurrentSlice();
    int previous = CDocumentPlayState::kNoSlice;
    if (current >= 0) {
        // The counted slice before the current one; before the first lies the start.
        for (int i = slices.First(SliceFilter::kCounted); i >= 0 && i != current;
             i = slices.Next(i, SliceFilter::kCounted))
            previous = i;
        if (previous < 0) {
            fPlayState.SetCurrentSlice(CDocumentPlayState::kNoSlice);
            fPlayState.SetPlayPosition(0);
            return;
        }
    } else {
        const std::int64_t position = fPlayState.PlayPosition();
        for (int i = slices.First(SliceFilter::kCounted); i >= 0 && slices.Entry(i).position < position;
             i = slices.Next(i, SliceFilter::kCounted))
            previous = i;
        if (previous < 0)
            previous = slices.Last(SliceFilter::kCounted);
    }
    MakeCurrent(previous);
}

void CQuilletWindowModel::SelectNextSlice()
{
    const CSliceList& slices = Slices();
    const int current = fPlayState.CurrentSlice();
    int next = CDocumentPlayState::kNoSlice;
    if (current >= 0) {
        next = slices.Next(current, SliceFilter::kCounted);
    } else {
        const std::int64_t position = fPlayState.PlayPosition();
        next = slices.First(SliceFilter::kCounted);
        while (next >= 0 && slices.Entry(next).position <= position)
            next = slices.Next(next, SliceFilter::kCounted);
    }
    MakeCurrent(next >= 0 ? next : slices.First(SliceFilter::kCounted));
}

void CQuilletWindowModel::MakeCurrent(int slice)
{
    if (slice < 0)
        return;
    fPlayState.SetCurrentSlice(slice);
    fPlayState.SetPlayPosition(Slices().Entry(slice).position);
}

bool CQuilletWindowModel::DoCommand(std::uint32_t command)
{
    switch (command) {
    case Cmd::kSave: Save(false); return true;
    case Cmd::kSaveAs: Save(true); return true;
    case Cmd::kExportSound:
    case Cmd::kExportGrooveMIDI:
    case Cmd::kExportSLX:
    case Cmd::kExportSFZKit: Export(command); return true;
    case Cmd::kExportMarkedLoop: ExportMarked(); return true;
    case Cmd::kMagnifyToFit: fRange.MagnifyToFit(); return true;
    case Cmd::kMagnifyToFitLoop: fRange.MagnifyToFitLoop(Sound().LoopStart(), Sound().LoopEnd()); return true;
    case Cmd::kUndo: Undo(); return true;
    case Cmd::kRedo: Redo(); return true;
    case Cmd::kSelectAll:
        Slices().SelectAll();
        Edited();
        return true;
    case Cmd::kInvertSelection:
        Slices().InvertSelection();
        Edited();
        return true;
    case Cmd::kTransmit:
        if (!fHost.CanTransmit())
            return false;
        if (CheckLoopLength()) {
            CSliceRenderSet renderSet(Sound(), Slices(), Settings());
            fHost.Transmit(renderSet);
        }
        return true;
    case Cmd::kPitchToNewTempo: SetPitchMode(!Settings().pitchMode); return true;
    case Cmd::kTransmitAsOneSample: SetTransmitAsOneSample(!TransmitAsOneSample()); return true;
    case Cmd::kNormalize: SetNormalize(!Settings().normalize); return true;
    case Cmd::kSilenceSelected: SetSilenceSelected(!Settings().silenceSelected); return true;
    default: return false;
    }
}

std::vector<CQuilletWindowModel::MenuItemStatus> CQuilletWindowModel::MenuStatus() const
{
    const CSlicingSettings& settings = Settings();
    return {
        {Cmd::kClose, true, false},
        {Cmd::kSave, true, false},
        {Cmd::kSaveAs, true, false},
        {Cmd::kExportSound, true, false},
        {Cmd::kExportSLX, true, false},
        {Cmd::kExportGrooveMIDI, true, false},
        {Cmd::kExportMarkedLoop, true, false},
        {Cmd::kExportSFZKit, true, false},
        {Cmd::kMagnifyToFit, true, false},
        {Cmd::kMagnifyToFitLoop, true, false},
        {Cmd::kUndo, fHistory.CanUndo(), false},
        {Cmd::kRedo, fHistory.CanRedo(), false},
        {Cmd::kSelectAll, Slices().CanSelectAll(), false},
        {Cmd::kInvertSelection, Slices().CanInvertSelection(), false},
        {Cmd::kTransmit, fHost.CanTransmit(), false},
        {Cmd::kPitchToNewTempo, true, settings.pitchMode},
        {Cmd::kTransmitAsOneSample, true, !settings.separateSamples},
        {Cmd::kNormalize, true, settings.normalize},
        {Cmd::kSilenceSelected, true, settings.silenceSelected},
    };
}

bool CQuilletWindowModel::CheckLoopLength()
{
    if (Settings().bars > 0 || Settings().beats > 0)
        return true;
    const std::optional<std::int16_t> bars = fHost.AskLoopLength();
    if (!bars || *bars < 1)
        return false;
    MutableSettings().bars = std::min(*bars, kMaxBars);
    Edited();
    fHost.RefreshAllWindows();
    return true;
}

void CQuilletWindowModel::Save(bool askForFile)
{
    std::optional<CFileSpec> file = fDocument->File();
    if (askForFile || !file) {
        const auto chosen = fHost.AskFileToWrite(CABCQuilletWindowHost::FileKind::kDocument, Sound().Name());
        if (!chosen)
            return;
        file = chosen->file;
    }
    try {
        WriteDocument(*file, *fDocument);
    } catch (...) {
        fHost.ShowAlert(Res::kAlertDocumentSaveFailed);
        return;
    }
    fHistory.EndGesture();
    fHost.DocumentSaved(*file);
}

void CQuilletWindowModel::Export(std::uint32_t command)
{
    using FileKind = CABCQuilletWindowHost::FileKind;
    const bool slices = command == Cmd::kExportSound;
    const bool kit = command == Cmd::kExportSFZKit;
    const bool midi = command == Cmd::kExportGrooveMIDI;
    if (!slices && !kit && !CheckLoopLength())
        return;
    const ResourceId failure = slices || kit ? Res::kAlertSliceExportFailed
                               : midi        ? Res::kAlertMIDIFileFailed
                                             : Res::kAlertSLXExportFailed;
    try {
        CSliceRenderSet renderSet(Sound(), Slices(), Settings());
        const auto chosen = fHost.AskFileToWrite(slices ? FileKind::kSlices
                                                 : kit  ? FileKind::kSFZKit
                                                 : midi ? FileKind::kGrooveMIDI
                                                        : FileKind::kSLX,
                                                 Sound().Name());
        if (!chosen)
            return;
        CABCExportFeedback& feedback = fHost.ExportFeedback();
        if (kit)
            ExportSFZKit(renderSet, chosen->file, Sound().Rate(), feedback);
        else if (slices)
            ExportSlices(renderSet, chosen->file, chosen->type ? *chosen->type : kAIFFFileType, 0,
                         Sound().Rate(), std::nullopt, kSliceNameLimit, feedback);
        else if (midi)
            ExportGrooveMIDI(renderSet, chosen->file, feedback);
        else
            ExportSLX(renderSet, chosen->file, Sound().Rate(), feedback);
    } catch (...) {
        fHost.ShowAlert(failure);
    }
}

void CQuilletWindowModel::ExportMarked()
{
    const auto chosen = fHost.AskFileToWrite(CABCQuilletWindowHost::FileKind::kMarkedLoop, Sound().Name());
    if (!chosen)
        return;
    try {
        ExportMarkedLoop(*fDocument, chosen->file,
                         chosen->type ? *chosen->type : MarkedLoopType(chosen->file.FullPath()));
    } catch (...) {
        fHost.ShowAlert(Res::kAlertSliceExportFailed);
    }
}

void CQuilletWindowModel::ClickWaveform(std::int64_t frame, bool alt)
{
    if (fTool == DocumentTool::kPen) {
        Slices().Draw(Sound(), frame, !alt);
        Edited();
        return;
    }
    fPlayState.SetSoundAvailable(fHost.IsSoundAvailable());
    fPlayState.ClickSlices(frame);
}

void CQuilletWindowModel::ClickMarker(int index, bool shift)
{
    if (index < 0 || index >= Slices().Count())
        return;
    switch (fTool) {
    case DocumentTool::kArrow:
    case DocumentTool::kPen: Slices().ClickMarker(index, shift); break;
    case DocumentTool::kHide: Slices().HideClick(index); break;
    case DocumentTool::kLock: Slices().LockClick(index); break;
    }
    // A drag of the marker that follows joins the click's step.
    Edited(kMarkerGesture);
}

std::int64_t CQuilletWindowModel::DragMarker(int index, std::int64_t frame, bool alt)
{
    if (index < 0 || index >= Slices().Count())
        return 0;
    if (fTool != DocumentTool::kArrow)
        return Slices().Entry(index).position;
    const std::int64_t position = MoveSlicePoint(Slices(), Sound(), index, frame, !alt);
    Edited(kMarkerGesture);
    return position;
}

void CQuilletWindowModel::SelectMarkers(std::int64_t from, std::int64_t to)
{
    Slices().SelectRange(from, to);
    Edited();
}

bool CQuilletWindowModel::MoveLeftLocator(std::int64_t frame)
{
    const std::optional<std::int64_t> left = CLocatorRules::ClickLeft(frame, Sound().LoopEnd());
    if (!left)
        return false;
    Sound().SetLoopStart(static_cast<std::int32_t>(*left));
    Edited(kLeftLocatorGesture);
    return true;
}

bool CQuilletWindowModel::MoveRightLocator(std::int64_t frame)
{
    const std::optional<std::int64_t> right = CLocatorRules::ClickRight(frame, Sound().LoopStart(), Sound().Frames());
    if (!right)
        return false;
    Sound().SetLoopEnd(static_cast<std::int32_t>(*right));
    Edited(kRightLocatorGesture);
    return true;
}

void CQuilletWindowModel::Activated()
{
    fHost.StoreDefaultSettings(Settings());
}
