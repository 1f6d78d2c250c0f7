#pragma once
// Receive from Ensoniq (template 1241): the layers of the sampler's
// instruments, read when the dialog opens, and the wave samples that the
// chosen layer's keys play, read when a layer is chosen. Receive fetches the
// chosen wave sample and closes on success; on failure the dialog stays
// open.
#include <cstdint>
#include <optional>
#include <vector>

#include "gui/dialogs/CSamplerDialog.h"
#include "samplers/ensoniq/CEnsoniqTransfer.h"

class CPopupButtonView;
class CPushButtonView;

class CEnsoniqReceiveDialog : public CSamplerDialog {
public:
    static constexpr std::uint16_t kTemplate = 1241;
    enum ItemId : std::uint16_t { kReceive = 1, kCancel = 2, kLayer = 3, kHelp = 4, kWave = 5 };

    CEnsoniqReceiveDialog(CInstalledSampler& sampler, CEnsoniqTransfer& transfer, CABCPlaybackPause* pause);

    void CheckControls() override;
    CPopupButtonView& Popup(ItemId id) const { return id == kWave ? *fWave : *fLayer; }
    CPushButtonView& Button(ItemId id) const { return ButtonOn(id); }
    // The sample fetched, once Receive succeeded.
    std::optional<ReceivedSample>& Received() { return fReceived; }

private:
    // The wave samples of the layer chosen.
    void ShowWaves();

    CEnsoniqTransfer& fTransfer;
    std::vector<CEnsoniqTransfer::Entry> fLayers;
    std::vector<CEnsoniqTransfer::Entry> fWaves;
    int fShownLayer = -1;
    CPopupButtonView* fLayer = nullptr;
    CPopupButtonView* fWave = nullptr;
    std::optional<ReceivedSample> fReceived;
};
