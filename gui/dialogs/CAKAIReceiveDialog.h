#pragma once
// Receive from AKAI (template 1221): the sample to fetch, chosen from the
// sampler's list as it is read on opening. Receive fetches it and closes on
// success; on failure the dialog stays open. Without samples in the sampler
// Receive stays disabled.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "gui/dialogs/CSamplerDialog.h"
#include "samplers/transfer/ReceivedSample.h"

class CABCSamplerTransfer;
class CPopupButtonView;
class CPushButtonView;

class CAKAIReceiveDialog : public CSamplerDialog {
public:
    static constexpr std::uint16_t kTemplate = 1221;
    enum ItemId : std::uint16_t { kReceive = 1, kCancel = 2, kSample = 3, kHelp = 4 };

    CAKAIReceiveDialog(CInstalledSampler& sampler, CABCSamplerTransfer& transfer, CABCPlaybackPause* pause);

    void CheckControls() override;
    CPopupButtonView& Samples() const { return *fSamples; }
    CPushButtonView& Button(ItemId id) const { return ButtonOn(id); }
    // The sample fetched, once Receive succeeded.
    std::optional<ReceivedSample>& Received() { return fReceived; }

private:
    CABCSamplerTransfer& fTransfer;
    std::vector<std::string> fNames;
    CPopupButtonView* fSamples = nullptr;
    std::optional<ReceivedSample> fReceived;
};
