#pragma once
// Receive from Yamaha A3000 (template 1261): the sample to fetch, chosen
// among the samples the sampler lists when the dialog opens (the one last
// fetched chosen again). Receive fetches it and closes on success; on
// failure the dialog stays open. With no sample listed Receive is off.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "gui/dialogs/CSamplerDialog.h"
#include "samplers/transfer/ReceivedSample.h"

class CA3000Transfer;
class CPopupButtonView;
class CPushButtonView;

class CYamahaReceiveDialog : public CSamplerDialog {
public:
    static constexpr std::uint16_t kTemplate = 1261;
    enum ItemId : std::uint16_t { kReceive = 1, kCancel = 2, kSample = 3, kHelp = 4 };

    // `transfer` lists samples when it is an A3000's.
    CYamahaReceiveDialog(CInstalledSampler& sampler, CABCSamplerTransfer& transfer, CABCPlaybackPause* pause);

    void CheckControls() override;
    CPopupButtonView& Sample() const { return *fSample; }
    CPushButtonView& Button(ItemId id) const { return ButtonOn(id); }
    // The sample fetched, once Receive succeeded.
    std::optional<ReceivedSample>& Received() { return fReceived; }

private:
    CABCSamplerTransfer& fTransfer;
    std::vector<std::string> fNames;
    CPopupButtonView* fSample = nullptr;
    std::optional<ReceivedSample> fReceived;
    static std::string sName;
};
