#pragma once
// Sampler Settings (template 1101): the installed samplers (the
// pseudo-samplers need no settings and are not listed), the chosen one's
// name, type, required and found OS, notes, panel and status, and the
// addresses its kind uses: SysEx ID, MIDI In and Out, SCSI bus and ID. Each
// change of an address forgets the verification. Add..., Delete,
// Rename..., Verify and Find All... change the list. Choosing a sampler
// makes it the target of Transmit.
#include <cstdint>
#include <vector>

#include "gui/framework/windows/CModalDialog.h"

class CABCConnectionDirectory;
class CInstalledSampler;
class CInstalledSamplerList;
class CPopupButtonView;
class CPushButtonView;
class CSamplerFinder;
class CSamplerPictureView;
class CSamplerVerifier;
class CStaticTextView;
class CSupportedSamplerRegistry;

class CConfigureSamplerDialog : public CModalDialog {
public:
    static constexpr std::uint16_t kTemplate = 1101;
    enum ItemId : std::uint16_t {
        kOK = 1, kSampler = 3, kName = 4, kType = 5, kRequiredOS = 6, kFoundOS = 7, kNotes = 8, kPicture = 9,
        kStatus = 10, kSysexID = 11, kMIDIIn = 12, kMIDIOut = 13, kSCSIBus = 14, kSCSIID = 15, kHelp = 16,
        kAdd = 17, kDelete = 18, kRename = 19, kVerify = 20, kFindAll = 21,
    };
    static constexpr int kMaxSysexEntries = 16;

    struct Services {
        CInstalledSamplerList& installed;
        const CSupportedSamplerRegistry& types;
        const CABCConnectionDirectory& connections;
        CSamplerFinder& finder;
        CSamplerVerifier& verifier;
        bool midi;
        bool scsi;
    };

    explicit CConfigureSamplerDialog(Services services);

    // The sampler shown, or nullptr when none is installed.
    CInstalledSampler* Shown() const;
    CPopupButtonView& Popup(ItemId id) const;
    const CStaticTextView& Text(ItemId id) const;
    CPushButtonView& Button(ItemId id) const;
    const CSamplerPictureView& Picture(ItemId id) const;

    void CheckControls() override;
    void ControlNotify(CView& source, std::int32_t code) override;

private:
    // The list indices of the samplers the Sampler popup lists.
    void ListSamplers();
    void ShowSampler();
    void ShowAddresses(const CInstalledSampler& sampler);
    void ListSCSIIDs(std::uint16_t bus);
    void Delete();
    void Verify();

    Services fServices;
    std::vector<std::uint16_t> fListed;
    int fShownBus = -1;
    CPopupButtonView* fSampler = nullptr;
    CStaticTextView* fName = nullptr;
    CStaticTextView* fType = nullptr;
    CStaticTextView* fRequiredOS = nullptr;
    CStaticTextView* fFoundOS = nullptr;
    CStaticTextView* fNotes = nullptr;
    CSamplerPictureView* fPicture = nullptr;
    CSamplerPictureView* fStatus = nullptr;
    CPopupButtonView* fSysexID = nullptr;
    CPopupButtonView* fMIDIIn = nullptr;
    CPopupButtonView* fMIDIOut = nullptr;
    CPopupButtonView* fSCSIBus = nullptr;
    CPopupButtonView* fSCSIID = nullptr;
    CPushButtonView* fOK = nullptr;
    CPushButtonView* fHelp = nullptr;
    CPushButtonView* fAdd = nullptr;
    CPushButtonView* fDelete = nullptr;
    CPushButtonView* fRename = nullptr;
    CPushButtonView* fVerify = nullptr;
    CPushButtonView* fFindAll = nullptr;
};
