#pragma once
// What the K2000/K2500 transmit dialog asks, kept from one opening to the
// next: the program name, the destination program ID and the template's
// program ID as typed, and whether to build on the template. Checking them
// gives the alert that refuses them, or the request the transfer takes.
#include <string>
#include <variant>

#include "resources/CaravelResources.h"
#include "samplers/transfer/CABCSamplerTransfer.h"

struct K2000TransmitChoices {
    // The most digits an ID field takes.
    static constexpr std::size_t kMaxDigits = 5;

    std::string programName = "New Program";
    std::string programId = "200";
    std::string templateId = "65535";
    bool useTemplate = false;

    // Alert 26 for an empty name, 24 for no destination ID; otherwise the
    // request (the template 65535 when on without an ID, so that the
    // transfer asks whether to use defaults).
    std::variant<ResourceId, TransmitRequest> Check(std::uint8_t sysexId) const;
};
