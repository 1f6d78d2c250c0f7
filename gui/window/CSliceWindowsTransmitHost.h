#pragma once
// Transmit from a document window. To the pseudo-sampler "New Window": each
// slice between the locators becomes a document window of its own, named
// after the document (up to its first ".") and " #" with the slice's number
// from 1; more than one window is asked for first, and running out of memory
// stops with its alert. To a sampler: its family's transmit dialog, which
// the program opens on the slices.
#include <functional>
#include <memory>
#include <string>

#include "samplers/model/CABCTransmitHost.h"

class CSliceRenderSet;
class WAVE_SAMPLE;

class CSliceWindowsTransmitHost : public CABCTransmitHost {
public:
    using OpenWindow = std::function<void(std::unique_ptr<WAVE_SAMPLE>)>;
    using TransmitDialog = std::function<void(CInstalledSampler&, const CSliceRenderSet&)>;

    CSliceWindowsTransmitHost(const CSliceRenderSet& slices, std::string documentName, OpenWindow openWindow,
                              TransmitDialog transmitDialog = {})
        : fSlices(slices), fDocumentName(std::move(documentName)), fOpenWindow(std::move(openWindow)),
          fTransmitDialog(std::move(transmitDialog))
    {
    }

    void OpenSlicesInNewWindows(const CInstalledSampler& sampler) override;
    void TransmitToSampler(CInstalledSampler& sampler) override;

    // "Beat.loop" and slice index 2 give "Beat #3".
    static std::string SliceWindowName(const std::string& documentName, int index);

private:
    const CSliceRenderSet& fSlices;
    std::string fDocumentName;
    OpenWindow fOpenWindow;
    TransmitDialog fTransmitDialog;
};
