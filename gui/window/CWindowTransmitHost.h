#pragma once
// Transmit from a document window to a pseudo-sampler. "New Window": each
// slice between the locators becomes a document window of its own, named
// after the document (up to its first ".") and " #" with the slice's number
// from 1; more than one window is asked for first, and running out of
// memory stops with its alert. The file pseudo-samplers open their export
// dialogs; the Mixman track asks for 4/4 time first. "SFZ Kit" runs the
// window's Export SFZ Kit. To a sampler: its family's transmit dialog, which
// the program opens on the slices.
#include <functional>
#include <memory>
#include <string>

#include "gui/dialogs/SamplerFileExportJob.h"
#include "samplers/model/CABCTransmitHost.h"

class WAVE_SAMPLE;

class CWindowTransmitHost : public CABCTransmitHost {
public:
    using OpenWindow = std::function<void(std::unique_ptr<WAVE_SAMPLE>)>;
    using TransmitDialog = std::function<void(CInstalledSampler&, const CSliceRenderSet&)>;

    CWindowTransmitHost(SamplerFileExportJob job, OpenWindow openWindow, std::function<void()> exportKit = {},
                        TransmitDialog transmitDialog = {})
        : fJob(std::move(job)), fOpenWindow(std::move(openWindow)), fExportKit(std::move(exportKit)),
          fTransmitDialog(std::move(transmitDialog))
    {
    }

    void OpenSlicesInNewWindows(const CInstalledSampler& sampler) override;
    void ExportSampleCell(const CInstalledSampler& sampler) override;
    void ExportSoundFont(const CInstalledSampler& sampler) override;
    void ExportMixman(const CInstalledSampler& sampler) override;
    void ExportSFZKit() override
    {
        if (fExportKit)
            fExportKit();
    }
    void TransmitToSampler(CInstalledSampler& sampler) override
    {
        if (fTransmitDialog)
            fTransmitDialog(sampler, fJob.renderSet);
    }

    // "Beat.loop" and slice index 2 give "Beat #3".
    static std::string SliceWindowName(const std::string& documentName, int index);

private:
    template <class Dialog>
    void RunDialog();

    SamplerFileExportJob fJob;
    OpenWindow fOpenWindow;
    std::function<void()> fExportKit;
    TransmitDialog fTransmitDialog;
};
