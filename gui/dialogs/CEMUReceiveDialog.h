#pragma once
// Receive from E-mu (template 1251): the number of the sample to fetch,
// 1 to 999, kept from one opening to the next. Receive fetches it (named
// after the sampler and its number when it has no name) and closes on
// success; on failure the dialog stays open.
#include <cstdint>
#include <optional>

#include "gui/dialogs/CSamplerDialog.h"
#include "samplers/transfer/ReceivedSample.h"

class CABCSamplerTransfer;
class CPushButtonView;

class CEMUReceiveDialog : public CSamplerDialog {
public:
    static constexpr std::uint16_t kTemplate = 1251;
    enum ItemId : std::uint16_t { kReceive = 1, kCancel = 2, kNumber = 3, kHelp = 4 };

    CEMUReceiveDialog(CInstalledSampler& sampler, CABCSamplerTransfer& transfer, CABCPlaybackPause* pause);

    void CheckControls() override;
    CSingleLineTextEditView& Number() const { return *fNumber; }
    CPushButtonView& Button(ItemId id) const;
    // The sample fetched, once Receive succeeded.
    std::optional<ReceivedSample>& Received() { return fReceived; }

private:
    CABCSamplerTransfer& fTransfer;
    CSingleLineTextEditView* fNumber = nullptr;
    CPushButtonView* fReceive = nullptr;
    CPushButtonView* fCancel = nullptr;
    CPushButtonView* fHelp = nullptr;
    std::optional<ReceivedSample> fReceived;
    static std::uint32_t sNumber;
};
