#pragma once
// Add Sampler (template 1103): the models that can be reached (SCSI models
// with SCSI, MIDI models with MIDI, MIDI+SCSI models with both; never the
// pseudo-samplers) in table order, with the chosen model's panel, notes and
// required OS. OK installs a sampler of the model at addresses 0; Find...
// searches for one and installs the one the user takes. Either way the new
// sampler is selected.
#include <cstdint>
#include <vector>

#include "gui/framework/windows/CModalDialog.h"

class CABCSupportedSampler;
class CInstalledSamplerList;
class CPopupButtonView;
class CPushButtonView;
class CSamplerFinder;
class CSamplerPictureView;
class CStaticTextView;
class CSupportedSamplerRegistry;

class CAddSamplerDialog : public CModalDialog {
public:
    static constexpr std::uint16_t kTemplate = 1103;
    enum ItemId : std::uint16_t {
        kOK = 1, kCancel = 2, kModel = 3, kPicture = 5, kNotes = 7, kRequiredOS = 9, kFind = 10, kHelp = 11,
    };

    CAddSamplerDialog(const CSupportedSamplerRegistry& types, bool midi, bool scsi, CInstalledSamplerList& installed,
                      CSamplerFinder& finder);

    const std::vector<const CABCSupportedSampler*>& Models() const { return fModels; }
    CPopupButtonView& ModelPopup() const { return *fModel; }
    CPushButtonView& Button(ItemId id) const;
    const CStaticTextView& Text(ItemId id) const;
    const CSamplerPictureView& Picture() const { return *fPicture; }

    void CheckControls() override;
    void ControlNotify(CView& source, std::int32_t code) override;

private:
    void ShowModel();
    const CABCSupportedSampler* Chosen() const;
    void Install();
    void Find();

    CInstalledSamplerList& fInstalled;
    CSamplerFinder& fFinder;
    std::vector<const CABCSupportedSampler*> fModels;
    CPopupButtonView* fModel = nullptr;
    CSamplerPictureView* fPicture = nullptr;
    CStaticTextView* fNotes = nullptr;
    CStaticTextView* fRequiredOS = nullptr;
    CPushButtonView* fFind = nullptr;
    CPushButtonView* fOK = nullptr;
    CPushButtonView* fCancel = nullptr;
    CPushButtonView* fHelp = nullptr;
};
