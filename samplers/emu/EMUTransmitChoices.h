#pragma once
// What the E-mu transmit dialog asks, kept from one opening to the next:
// the sample name, the rate the slices are rendered at and the start sample
// number as typed. Checking them gives the alert that refuses them, or the
// request the transfer takes.
#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "resources/CaravelResources.h"
#include "samplers/transfer/CABCSamplerTransfer.h"

struct EMUTransmitChoices {
    static constexpr const char* kDefaultName = "New Sample";
    // Characters the Start Sample # field takes.
    static constexpr const char* kDigits = "0123456789";
    static constexpr std::size_t kMaxDigits = 3;

    std::string sampleName = kDefaultName;
    std::uint32_t rate = 0;  // 0: chosen for the document's rate
    std::string startNumber = "1";

    // The rate offered first for a document of `documentRate`: the one kept,
    // or the E-mu rate for the document's.
    std::uint32_t RateFor(std::uint32_t documentRate) const;
    // Alert 70 for an empty name, 71 for a start number outside 1 … 999;
    // otherwise the request.
    std::variant<ResourceId, TransmitRequest> Check() const;
};
