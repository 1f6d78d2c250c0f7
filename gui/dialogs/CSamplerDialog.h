#pragma once
// The frame of every transmit and receive dialog: a modal dialog that works
// with one installed sampler, runs its transfers with playback paused and
// progress with Stop shown at once, and reports failures by the transfer
// ladder's alert. Number fields take digits only.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "gui/framework/windows/CModalDialog.h"
#include "resources/CaravelResources.h"
#include "samplers/transfer/ReceivedSample.h"
#include "samplers/transfer/RunSamplerTransfer.h"

class CABCPlaybackPause;
class CABCSamplerTransfer;
struct ReceiveRequest;
class CInstalledSampler;
class CLengthyOperation;
class CPopupButtonView;
class CPushButtonView;
class CSingleLineTextEditView;

class CSamplerDialog : public CModalDialog {
public:
    // `pause` (may be null) stops playback while a transfer runs.
    CSamplerDialog(std::uint16_t templateNumber, CInstalledSampler& sampler, CABCPlaybackPause* pause);

    CInstalledSampler& Sampler() const { return fSampler; }
    // The button AddButtons put on the item (the action for any other).
    CPushButtonView& ButtonOn(std::uint16_t item) const;

protected:
    // The string `title`, a blank and the sampler's name (at most 215 characters).
    void SetTitleWithSampler(ResourceId title);
    // Every static text of the template that has a text.
    void AddStaticTexts();
    // A text field on the template's item of at most `maxLength` characters.
    CSingleLineTextEditView* TextField(std::uint16_t item, int maxLength, const std::string& text);
    // A digits-only field on the template's item, showing `value`.
    CSingleLineTextEditView* NumberField(std::uint16_t item, std::uint32_t value, int digits);
    // The field's number when it lies within lowest..highest.
    static std::optional<std::uint32_t> NumberIn(const CSingleLineTextEditView& field, std::uint32_t lowest,
                                                 std::uint32_t highest);
    // A pop-up of `rates` on the template's item, showing `chosen`.
    CPopupButtonView* RatePopup(std::uint16_t item, const std::vector<std::uint32_t>& rates, std::uint32_t chosen);
    // For the dialogs with an action button (Transmit, Receive), Cancel and
    // Help on these items of their template: makes them, the action the
    // default button and Cancel the cancel button.
    void AddButtons(std::uint16_t action, std::uint16_t cancel, std::uint16_t help);
    // Help opens the help contents, Cancel ends the dialog; true when the
    // action button was pressed.
    bool TakeActionPress();
    // Runs `work` under a lengthy operation titled `title` with a Stop button.
    TransferOutcome RunTransfer(ResourceId title, const std::function<void(CLengthyOperation&)>& work);
    // Runs a short request of the sampler (a list to show) under the wait
    // cursor; a failure shows its alert of the transfer ladder.
    TransferOutcome AskWithWaitCursor(const std::function<void()>& work);
    // Fetches the requested sample as RunTransfer does; a sample without a
    // name is named after the sampler and its number. Nothing when the
    // transfer failed or was stopped.
    std::optional<ReceivedSample> ReceiveSample(CABCSamplerTransfer& transfer, const ReceiveRequest& request);

private:
    CInstalledSampler& fSampler;
    CABCPlaybackPause* fPause;
    std::uint16_t fCancelItem = 0;
    std::uint16_t fHelpItem = 0;
    CPushButtonView* fAction = nullptr;
    CPushButtonView* fCancel = nullptr;
    CPushButtonView* fHelp = nullptr;
};
