#pragma once
// The document window of one loop: a toolbar of play buttons, sliders,
// toggles, tools and the musical-length fields over the slice strip, the
// waveform, the ruler and the overview. Everything it shows and does lives
// in its model; the window turns controls, keys, menu commands and view
// actions into model calls and writes the model's state back.
#include <array>
#include <cstdint>
#include <memory>

#include <QMetaObject>

#include "document/playback/CWavePlayerNotifier.h"
#include "document/views/CABCLoopViewHost.h"
#include "document/window/CABCQuilletWindowHost.h"
#include "document/window/CQuilletWindowModel.h"
#include "gui/framework/windows/CDocumentWindow.h"
#include "gui/window/CAlertExportFeedback.h"
#include "gui/window/DocumentSession.h"

class CCheckBoxView;
class CFaderView;
class CPopupButtonView;
class CPushButtonView;
class CRangeScaleView;
class CSampleOverView;
class CSampleSliceView;
class CRangeScrollBarView;
class CSingleLineTextEditView;
class CSliceView;
class CStaticTextView;
class CMagnifyView;

class CQuilletWindow : public CDocumentWindow,
                       private CABCQuilletWindowHost,
                       private CABCLoopViewHost,
                       private CWavePlayerNotifier {
public:
    static constexpr int kWidth = 640;
    static constexpr int kHeight = 360;
    static constexpr int kMinimumWidth = 274;
    static constexpr int kMinimumHeight = 256;

    CQuilletWindow(CApplication& application, std::unique_ptr<CLoopDocument> document,
                   std::shared_ptr<DocumentSession> session);
    ~CQuilletWindow() override;

    // Shows the window, then offers to move the left locator.
    void Open() override;
    // Reads the controls the user changed and applies them.
    void CheckControls() override;
    // Writes the model's state into title, controls and views.
    void UpdateContents() override;
    bool KeyDown(const CKeyEvent& event) override;
    void IdleWindow() override;
    void Layout() override;
    bool DoCommand(std::uint32_t command) override;
    void UpdateMenus() override;
    // The save question while there are unsaved changes.
    bool CanClose() override;
    // Stops the window's sound before it goes.
    void Close() override;

    CQuilletWindowModel& Model() { return *fModel; }
    // The preferences every document window shares (the views' look among them).
    DocumentPreferences& SharedPreferences() const { return Preferences(); }

private:
    // The folder of the loop's file, where exports are offered; empty when it has none.
    std::string LoopFolder() const;

    // CABCQuilletWindowHost
    bool IsSoundAvailable() const override { return fSession->soundAvailable(); }
    bool CanTransmit() const override;
    bool AlwaysMoveLeftLocator() const override { return Preferences().alwaysMoveLeftLocator; }
    bool ScrollDuringPlayback() const override { return Preferences().scrollDuringPlayback; }
    void SetScrollDuringPlayback(bool on) override { Preferences().scrollDuringPlayback = on; }
    void StoreDefaultSettings(const CSlicingSettings& settings) override { Preferences().lastUsed = settings; }
    bool AskMoveLeftLocator() override;
    std::optional<std::int16_t> AskLoopLength() override;
    std::optional<ChosenFile> AskFileToWrite(FileKind kind, const char* name) override;
    void DocumentSaved(const CFileSpec& file) override;
    CABCExportFeedback& ExportFeedback() override { return fFeedback; }
    void ShowAlert(ResourceId alert) override;
    void Transmit(CSliceRenderSet& renderSet) override;
    void RefreshAllWindows() override;

    // CABCLoopViewHost
    const WAVE_SAMPLE& Sound() const override { return fModel->Sound(); }
    const CSliceList& Slices() const override { return fModel->Slices(); }
    CVisibleRange& Range() override { return fModel->Range(); }
    Look ViewLook() const override { return Preferences().look; }
    bool IsPenTool() const override { return fModel->Tool() == DocumentTool::kPen; }
    std::int64_t PlayPosition() const override { return fModel->PlayState().ViewPlayPosition(); }
    void ClickWaveform(std::int64_t frame, bool alt) override;
    void ClickMarker(int index, bool shift) override;
    std::int64_t DragMarker(int index, std::int64_t frame, bool alt) override;
    void SelectMarkers(std::int64_t from, std::int64_t to) override;
    bool MoveLeftLocator(std::int64_t frame) override;
    bool MoveRightLocator(std::int64_t frame) override;
    void EndGesture() override;
    void ViewsChanged() override { UpdateContents(); }

    // CWavePlayerNotifier
    void PlaybackStopped() override { UpdateContents(); }
    void PlaybackStarted() override { UpdateContents(); }

    void BuildToolbar();
    void BuildViews();
    // A button showing toolbar face `face` (SMTB) with its tooltip.
    CPushButtonView* ToolbarButton(int x, int y, int width, std::uint16_t face, ResourceId tooltip, bool checkable);
    CPushButtonView* PlayButton(DocumentPlayButton button) const;
    void CheckButtons();
    void CheckFields();
    void ShowControls();
    static void ShowChecked(CPushButtonView& button, bool checked);

    DocumentPreferences& Preferences() const { return fSession->preferences; }

    std::shared_ptr<DocumentSession> fSession;  // first: it outlives the model
    std::unique_ptr<CQuilletWindowModel> fModel;
    CAlertExportFeedback fFeedback;
    bool fDestroying = false;
    QMetaObject::Connection fActivation;
    int fLaidOutWidth = 0;
    int fLaidOutHeight = 0;

    std::array<CPushButtonView*, 5> fPlayButtons{};
    std::array<CPushButtonView*, 4> fToolButtons{};
    CFaderView* fStretch = nullptr;
    CStaticTextView* fStretchLabel = nullptr;
    CPushButtonView* fOneSample = nullptr;
    CPushButtonView* fNormalize = nullptr;
    CPushButtonView* fSilence = nullptr;
    CPushButtonView* fPitchMode = nullptr;
    CSingleLineTextEditView* fNewTempo = nullptr;
    CPushButtonView* fTransmit = nullptr;
    CFaderView* fSensitivity = nullptr;
    CStaticTextView* fSensitivityLabel = nullptr;
    CStaticTextView* fBarsLabel = nullptr;
    CSingleLineTextEditView* fBars = nullptr;
    CPopupButtonView* fBeats = nullptr;
    CPopupButtonView* fSignature = nullptr;
    CStaticTextView* fTempo = nullptr;
    CSliceView* fSliceStrip = nullptr;
    CSampleSliceView* fWaveform = nullptr;
    CRangeScaleView* fRuler = nullptr;
    CSampleOverView* fOverview = nullptr;
    CMagnifyView* fMagnify = nullptr;
    CRangeScrollBarView* fScrollBar = nullptr;
    int fShownStretch = -1;
    int fShownSensitivity = -1;
    int fShownBeats = -1;
    int fShownSignature = -1;
};
