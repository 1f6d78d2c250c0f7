#pragma once
// What a transmit works on: the slices between the locators of one document
// window, and the windows and dialogs that the program shows for it.
class CInstalledSampler;

class CABCTransmitHost {
public:
    virtual ~CABCTransmitHost() = default;

    // Each slice's sound becomes a document window of its own.
    virtual void OpenSlicesInNewWindows(const CInstalledSampler& sampler) = 0;
    // The slices as an SFZ kit where the user chooses.
    virtual void ExportSFZKit() = 0;
    // The export dialogs of the file pseudo-samplers: a SampleCell
    // instrument with its slice files, a SoundFont bank, a Mixman track.
    virtual void ExportSampleCell(const CInstalledSampler& sampler) = 0;
    virtual void ExportSoundFont(const CInstalledSampler& sampler) = 0;
    virtual void ExportMixman(const CInstalledSampler& sampler) = 0;
    // The transmit dialog of sampler's family, on the slices.
    virtual void TransmitToSampler(CInstalledSampler& sampler) = 0;
};
