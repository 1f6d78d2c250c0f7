#pragma once
// Receive from K2000 / K2500 (template 1201): the ID of the sample object
// to fetch, 1 to 1000.
#include "gui/dialogs/CNumberedSampleReceiveDialog.h"

class CK2000ReceiveDialog : public CNumberedSampleReceiveDialog {
public:
    static constexpr std::uint16_t kTemplate = 1201;

    CK2000ReceiveDialog(CInstalledSampler& sampler, CABCSamplerTransfer& transfer, CABCPlaybackPause* pause)
        : CNumberedSampleReceiveDialog(kTemplate, sampler, transfer, pause, sNumber, 4)
    {
    }

private:
    inline static std::uint32_t sNumber = 1;
};
