#pragma once
// Receive from E-mu (template 1251): the number of the sample to fetch,
// 1 to 999.
#include "gui/dialogs/CNumberedSampleReceiveDialog.h"

class CEMUReceiveDialog : public CNumberedSampleReceiveDialog {
public:
    static constexpr std::uint16_t kTemplate = 1251;

    CEMUReceiveDialog(CInstalledSampler& sampler, CABCSamplerTransfer& transfer, CABCPlaybackPause* pause)
        : CNumberedSampleReceiveDialog(kTemplate, sampler, transfer, pause, sNumber, 3)
    {
    }

private:
    inline static std::uint32_t sNumber = 1;
};
