#pragma once
// The Found Sampler dialog (template 1105): a sampler a search found, its
// type and the addresses it answered on ("n/a" for those its kind does not
// use), and a question with Yes and No. A sampler identical to one already
// installed is shown as a double ("Double sampler found", Delete and Skip),
// and then neither button takes it.
#include <cstdint>
#include <map>
#include <string>

#include "gui/framework/windows/CModalDialog.h"
#include "resources/CaravelResources.h"

class CABCConnectionDirectory;
class CInstalledSampler;
class CInstalledSamplerList;
class CPushButtonView;
class CStaticTextView;

class CFoundSamplerInfoDialog : public CModalDialog {
public:
    static constexpr std::uint16_t kTemplate = 1105;
    enum ItemId : std::uint16_t {
        kYes = 1, kNo = 2, kQuestion = 3, kType = 5, kMIDIIn = 7, kSysexID = 9, kMIDIOut = 11, kSCSIBus = 13,
        kSCSIID = 15,
    };

    CFoundSamplerInfoDialog(const CInstalledSampler& found, ResourceId question, const CInstalledSamplerList& installed,
                            const CABCConnectionDirectory& connections);

    // True when the user takes the sampler (never for a double).
    bool Ask();
    bool IsDouble() const { return fDouble; }
    const std::string& Field(ItemId id) const;
    const std::string& ButtonText(ItemId id) const;

    void CheckControls() override;

private:
    bool fDouble = false;
    std::map<ItemId, CStaticTextView*> fFields;
    CPushButtonView* fYes = nullptr;
    CPushButtonView* fNo = nullptr;
    std::string fYesText;
    std::string fNoText;
};
