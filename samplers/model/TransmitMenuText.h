#pragma once
// The label of the Sampler menu's Transmit item for the selected sampler.
#include <string>

class CInstalledSampler;

// "Transmit not Available" when its type cannot transmit; for a
// pseudo-sampler what it does ("Open Slices in New Windows", ...); else
// "Transmit to " and the sampler's name.
std::string TransmitMenuText(const CInstalledSampler& sampler);
