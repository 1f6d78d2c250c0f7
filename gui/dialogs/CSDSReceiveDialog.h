#pragma once
// Receive from a sampler by the MIDI Sample Dump Standard (template 1271):
// the SysEx ID (SDS channel), the sampler's own at first, and the number of
// the sample to fetch, kept from one opening to the next. Receive fetches
// it, named after the sampler and its number, and closes on success; on
// failure the dialog stays open.
#include <cstdint>
#include <optional>

#include "gui/dialogs/CSamplerDialog.h"
#include "samplers/transfer/ReceivedSample.h"

class CABCSamplerTransfer;
class CPushButtonView;

class CSDSReceiveDialog : public CSamplerDialog {
public:
    static constexpr std::uint16_t kTemplate = 1271;
    enum ItemId : std::uint16_t { kReceive = 1, kCancel = 2, kSysexId = 3, kNumber = 4 };

    CSDSReceiveDialog(CInstalledSampler& sampler, CABCSamplerTransfer& transfer, CABCPlaybackPause* pause);

    void CheckControls() override;
    CSingleLineTextEditView& Field(ItemId id) const { return id == kSysexId ? *fSysexId : *fNumber; }
    CPushButtonView& Button(ItemId id) const { return id == kCancel ? *fCancel : *fReceive; }
    // The sample fetched, once Receive succeeded.
    std::optional<ReceivedSample>& Received() { return fReceived; }
    std::uint32_t SampleNumber() const { return sNumber; }

private:
    CABCSamplerTransfer& fTransfer;
    CSingleLineTextEditView* fSysexId = nullptr;
    CSingleLineTextEditView* fNumber = nullptr;
    CPushButtonView* fReceive = nullptr;
    CPushButtonView* fCancel = nullptr;
    std::optional<ReceivedSample> fReceived;
    static std::uint32_t sNumber;
};
