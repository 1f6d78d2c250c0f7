#pragma once
// The Preferences dialog (template 1100): the sound card with its driver
// type, play-ahead and underruns; the four behaviour check boxes; the
// waveform's colour, contrast and look. Every change takes effect at once;
// Cancel puts back what stood when the dialog opened, the card included.
#include <cstdint>
#include <functional>

#include "document/window/DocumentPreferences.h"
#include "formats/preferences/CColorTablePreferences.h"
#include "gui/framework/windows/CModalDialog.h"

class CCheckBoxView;
class CFaderView;
class CPopupButtonView;
class CPushButtonView;
class CQuilletApplicationPreferences;
class CSolidColorGroupView;
class CSoundSetup;
class CStaticTextView;

class CQuilletPreferencesDialog : public CModalDialog {
public:
    static constexpr std::uint16_t kTemplate = 1100;
    enum ItemId : std::uint16_t {
        kOK = 1, kCancel = 2, kCard = 3, kDriverType = 5, kPlayAhead = 7, kPlayAheadTime = 10,
        kUnderruns = 12, kMoveLeftLocator = 13, kScroll = 14, kBarsToOne = 15, kShowOpen = 16,
        kSetColour = 17, kSwatch = 18, kContrast = 20, kLook = 22, kHelp = 23,
    };
    // What the dialog edits; all of it belongs to the application.
    struct Settings {
        CSoundSetup* sound;  // nullptr when the program runs without sound
        DocumentPreferences& documents;
        CQuilletApplicationPreferences& application;
        CColorTablePreferences::Table& customColours;
        // Redraws every document window after a change of colour, contrast or look.
        std::function<void()> redrawWindows;
    };

    explicit CQuilletPreferencesDialog(Settings settings);

    void CheckControls() override;
    void ControlNotify(CView& source, std::int32_t code) override;
    // Keeps the underrun count up to date.
    void IdleWindow() override;

    CPopupButtonView& CardPopup() const { return *fCard; }
    CFaderView& PlayAheadFader() const { return *fPlayAhead; }
    CFaderView& ContrastFader() const { return *fContrast; }
    CPopupButtonView& LookPopup() const { return *fLook; }
    CCheckBoxView& Check(ItemId id) const;
    const CStaticTextView& Text(ItemId id) const;
    CPushButtonView& Button(ItemId id) const;

private:
    // What Cancel puts back.
    struct Snapshot {
        bool channelOpen = false;
        std::uint16_t card = 0;
        std::uint16_t setting = 0;
        DocumentPreferences documents;
        bool showOpen = true;
    };

    void ShowSound();
    void ShowUnderruns();
    void ShowLook();
    void ChooseCard(std::uint16_t index);
    void SetPlayAhead(int position);
    void PickColour();
    void Restore();
    void LookChanged();

    Settings fSettings;
    Snapshot fOpened;
    CPopupButtonView* fCard = nullptr;
    CStaticTextView* fDriverType = nullptr;
    CFaderView* fPlayAhead = nullptr;
    CStaticTextView* fPlayAheadTime = nullptr;
    CStaticTextView* fUnderruns = nullptr;
    CCheckBoxView* fMoveLeftLocator = nullptr;
    CCheckBoxView* fScroll = nullptr;
    CCheckBoxView* fBarsToOne = nullptr;
    CCheckBoxView* fShowOpen = nullptr;
    CPushButtonView* fSetColour = nullptr;
    CSolidColorGroupView* fSwatch = nullptr;
    CFaderView* fContrast = nullptr;
    CPopupButtonView* fLook = nullptr;
    CPushButtonView* fOK = nullptr;
    CPushButtonView* fCancel = nullptr;
    CPushButtonView* fHelp = nullptr;
    std::int64_t fShownUnderruns = -1;
};
