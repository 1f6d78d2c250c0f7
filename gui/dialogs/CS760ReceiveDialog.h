#pragma once
// Receive from Roland S760 (template 1231): the sample to fetch, chosen
// among those the sampler holds (read when the dialog opens, stereo halves
// under one name), the last one chosen again when it is still there.
// Receive fetches it and closes on success; on failure the dialog stays
// open.
#include <cstdint>
#include <optional>
#include <vector>

#include "gui/dialogs/CSamplerDialog.h"
#include "samplers/roland/CS760FileList.h"
#include "samplers/transfer/ReceivedSample.h"

class CPopupButtonView;
class CPushButtonView;
class CS760Transfer;

class CS760ReceiveDialog : public CSamplerDialog {
public:
    static constexpr std::uint16_t kTemplate = 1231;
    enum ItemId : std::uint16_t { kReceive = 1, kCancel = 2, kSample = 3, kHelp = 4 };

    CS760ReceiveDialog(CInstalledSampler& sampler, CS760Transfer& transfer, CABCPlaybackPause* pause);

    void CheckControls() override;
    CPopupButtonView& Samples() const { return *fSamples; }
    CPushButtonView& Button(ItemId id) const { return ButtonOn(id); }
    // The sample fetched, once Receive succeeded.
    std::optional<ReceivedSample>& Received() { return fReceived; }

private:
    CS760Transfer& fTransfer;
    std::vector<CS760FileList::Entry> fHeld;
    CPopupButtonView* fSamples = nullptr;
    std::optional<ReceivedSample> fReceived;
    static std::uint16_t sNumber;
};
