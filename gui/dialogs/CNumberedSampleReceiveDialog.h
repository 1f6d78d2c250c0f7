#pragma once
// A receive dialog that fetches one sample by its number, within the
// numbers the family's transfer addresses; the number is kept from one
// opening to the next in the family's own place. Receive fetches it (named
// after the sampler and its number when it has no name) and closes on
// success; on failure the dialog stays open. The template holds the number
// field and the Receive, Cancel and Help buttons.
#include <cstdint>
#include <optional>

#include "gui/dialogs/CSamplerDialog.h"
#include "samplers/transfer/ReceivedSample.h"

class CABCSamplerTransfer;
class CPushButtonView;

class CNumberedSampleReceiveDialog : public CSamplerDialog {
public:
    enum ItemId : std::uint16_t { kReceive = 1, kCancel = 2, kNumber = 3, kHelp = 4 };

    // `kept` is the number shown first and the one asked for last.
    CNumberedSampleReceiveDialog(std::uint16_t templateNumber, CInstalledSampler& sampler,
                                 CABCSamplerTransfer& transfer, CABCPlaybackPause* pause, std::uint32_t& kept,
                                 int digits);

    void CheckControls() override;
    CSingleLineTextEditView& Number() const { return *fNumber; }
    CPushButtonView& Button(ItemId id) const { return ButtonOn(id); }
    // The sample fetched, once Receive succeeded.
    std::optional<ReceivedSample>& Received() { return fReceived; }

private:
    CABCSamplerTransfer& fTransfer;
    std::uint32_t& fKept;
    CSingleLineTextEditView* fNumber = nullptr;
    std::optional<ReceivedSample> fReceived;
};
