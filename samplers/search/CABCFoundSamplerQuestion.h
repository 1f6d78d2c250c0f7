#pragma once
// Shows a sampler a search found and asks whether to take it (the Found
// Sampler dialog). A sampler identical to one already installed is shown as
// a double, and the answer for it is always no.
#include "resources/CaravelResources.h"

class CInstalledSampler;
class CInstalledSamplerList;

class CABCFoundSamplerQuestion {
public:
    virtual ~CABCFoundSamplerQuestion() = default;

    // question: "Is this the right sampler?" or "Do you want to add this
    // sampler?" (SSTR 129 #43, #44).
    virtual bool Ask(const CInstalledSampler& found, ResourceId question, const CInstalledSamplerList& installed) = 0;
};
