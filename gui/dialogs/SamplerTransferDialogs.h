#pragma once
// The transmit and receive dialogs of the sampler families whose transfers
// the program has, chosen by the sampler's family.
#include <optional>

#include "samplers/transfer/ReceivedSample.h"

class CABCPlaybackPause;
class CABCSamplerTransfer;
class CInstalledSampler;
class CSliceRenderSet;

// The family's transmit dialog on the slices.
void ShowTransmitDialog(CInstalledSampler& sampler, const CSliceRenderSet& slices, CABCSamplerTransfer& transfer,
                        CABCPlaybackPause* pause);
// The family's receive dialog: the sample received, or nothing.
std::optional<ReceivedSample> ShowReceiveDialog(CInstalledSampler& sampler, CABCSamplerTransfer& transfer,
                                                CABCPlaybackPause* pause);
