#pragma once
// Transmit to AKAI (template 1220): the program name (12 characters of the
// AKAI set, lower-case letters taken upper-cased, any other key refused with
// the system beep), the rate the slices are sent at (22050 or 44100: the
// first at or above the document's at first) and the template ("[Default]"
// or a program of the sampler, whose list is read on opening and after a
// failed transmission), kept from one opening to the next, with the
// sampler's panel. Transmit builds the program and closes on success;
// "MIDI File + Transmit..." then also writes the groove MIDI file that plays
// it. On failure the dialog stays open.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "framework/files/CFileSpec.h"
#include "gui/dialogs/CSamplerTransmitDialog.h"
#include "samplers/akai/AKAITransmitChoices.h"

class CPopupButtonView;
class CPushButtonView;

class CAKAITransmitDialog : public CSamplerTransmitDialog {
public:
    static constexpr std::uint16_t kTemplate = 1220;
    enum ItemId : std::uint16_t {
        kTransmit = 1,
        kCancel = 2,
        kProgramName = 3,
        kSampleRate = 5,
        kTemplateList = 7,
        kMIDIAndTransmit = 9,
        kPanel = 10,
    };
    // Where the groove MIDI file goes: the save dialog offering `name`;
    // nothing when cancelled.
    using AskMIDIFile = std::function<std::optional<CFileSpec>(const std::string& name)>;

    CAKAITransmitDialog(CInstalledSampler& sampler, const CSliceRenderSet& slices, CABCSamplerTransfer& transfer,
                        CABCPlaybackPause* pause);

    void CheckControls() override;
    CSingleLineTextEditView& Name() const { return *fName; }
    CPopupButtonView& Rate() const { return *fRate; }
    CPopupButtonView& Templates() const { return *fTemplates; }
    CPushButtonView& Button(ItemId id) const;
    void SetAskMIDIFile(AskMIDIFile ask) { fAskMIDIFile = std::move(ask); }
    // What the next opening shows.
    static AKAITransmitChoices& Kept() { return sChoices; }

private:
    void ReadTemplates();
    void WriteGrooveMIDI(CSliceRenderSet& slices, const std::string& name);

    const CSliceRenderSet& fSlices;
    CABCSamplerTransfer& fTransfer;
    std::vector<std::string> fPrograms;
    CSingleLineTextEditView* fName = nullptr;
    CPopupButtonView* fRate = nullptr;
    CPopupButtonView* fTemplates = nullptr;
    CPushButtonView* fTransmit = nullptr;
    CPushButtonView* fMIDIAndTransmit = nullptr;
    CPushButtonView* fCancel = nullptr;
    AskMIDIFile fAskMIDIFile;
    static AKAITransmitChoices sChoices;
};
