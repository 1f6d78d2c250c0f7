#pragma once
// What the Yamaha transmit dialog asks, kept from one opening to the next:
// the sample bank name, the rate the slices are rendered at and the
// template (a sample bank or sample of the sampler; none for the defaults).
// Checking them gives the alert that refuses them, or the request the
// transfer takes.
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "resources/CaravelResources.h"
#include "samplers/transfer/CABCSamplerTransfer.h"

struct YamahaTransmitChoices {
    std::string bankName;
    std::uint32_t rate = 0;    // 0: chosen for the document's rate
    std::string templateName;  // empty: the defaults

    // The rates offered, from the lowest.
    static const std::vector<std::uint32_t>& Rates();
    // The one kept, else the first offered at or above the document's, else
    // 44100.
    std::uint32_t RateFor(std::uint32_t documentRate) const;
    // Alert 60 for an empty bank name; otherwise the request on `sysexId`.
    std::variant<ResourceId, TransmitRequest> Check(std::uint8_t sysexId) const;
};
