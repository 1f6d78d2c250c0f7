#pragma once
// Transmit to the pseudo-sampler "New Window": each slice between the
// locators becomes a document window of its own, named after the document
// (up to its first ".") and " #" with the slice's number from 1. More than
// one window is asked for first; running out of memory stops with its alert.
// Transmit to "SFZ Kit" runs the window's Export SFZ Kit.
#include <functional>
#include <memory>
#include <string>

#include "samplers/model/CABCTransmitHost.h"

class CSliceRenderSet;
class WAVE_SAMPLE;

class CSliceWindowsTransmitHost : public CABCTransmitHost {
public:
    using OpenWindow = std::function<void(std::unique_ptr<WAVE_SAMPLE>)>;

    CSliceWindowsTransmitHost(const CSliceRenderSet& slices, std::string documentName, OpenWindow openWindow,
                              std::function<void()> exportKit = {})
        : fSlices(slices), fDocumentName(std::move(documentName)), fOpenWindow(std::move(openWindow)),
          fExportKit(std::move(exportKit))
    {
    }

    void OpenSlicesInNewWindows(const CInstalledSampler& sampler) override;
    void ExportSFZKit() override
    {
        if (fExportKit)
            fExportKit();
    }

    // "Beat.loop" and slice index 2 give "Beat #3".
    static std::string SliceWindowName(const std::string& documentName, int index);

private:
    const CSliceRenderSet& fSlices;
    std::string fDocumentName;
    OpenWindow fOpenWindow;
    std::function<void()> fExportKit;
};
