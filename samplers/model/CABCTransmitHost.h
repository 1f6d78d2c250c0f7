#pragma once
// What a transmit works on: the slices between the locators of one document
// window, and the windows and dialogs that the program shows for it.
class CInstalledSampler;

class CABCTransmitHost {
public:
    virtual ~CABCTransmitHost() = default;

    // Each slice's sound becomes a document window of its own.
    virtual void OpenSlicesInNewWindows(const CInstalledSampler& sampler) = 0;
    // The transmit dialog of sampler's family, on the slices.
    virtual void TransmitToSampler(CInstalledSampler& sampler) = 0;
};
