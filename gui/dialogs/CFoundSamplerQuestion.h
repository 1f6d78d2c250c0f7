#pragma once
// Asks about found samplers with the Found Sampler dialog.
#include "samplers/search/CABCFoundSamplerQuestion.h"

class CABCConnectionDirectory;

class CFoundSamplerQuestion : public CABCFoundSamplerQuestion {
public:
    explicit CFoundSamplerQuestion(const CABCConnectionDirectory& connections) : fConnections(connections) {}

    bool Ask(const CInstalledSampler& found, ResourceId question, const CInstalledSamplerList& installed) override;

private:
    const CABCConnectionDirectory& fConnections;
};
