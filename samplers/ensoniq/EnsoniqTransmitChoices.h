#pragma once
// What the Ensoniq transmit dialog asks, kept from one opening to the next:
// the instrument name, the rate the slices are rendered at and the
// destination instrument. Checking them gives the alert that refuses them,
// or the request the transfer takes.
#include <array>
#include <cstdint>
#include <string>
#include <variant>

#include "resources/CaravelResources.h"
#include "samplers/transfer/CABCSamplerTransfer.h"

struct EnsoniqTransmitChoices {
    static constexpr std::array<std::uint32_t, 2> kRates = {22050, 44100};
    // Characters the Instrument Name field takes as typed.
    static constexpr const char* kTypedCharacters = "A-Za-z0-9+\\- *.#";

    std::string instrumentName;
    std::uint32_t rate = 0;  // 0: chosen for the document's rate
    int destination = 0;     // instrument 0 … 7, shown 1 … 8

    // The rate kept, else the first of the two at or above the document's,
    // else 44100.
    std::uint32_t RateFor(std::uint32_t documentRate) const;
    // Alert 80 for a name with nothing the sampler shows; otherwise the
    // request on `sysexId`.
    std::variant<ResourceId, TransmitRequest> Check(std::uint8_t sysexId) const;
};
