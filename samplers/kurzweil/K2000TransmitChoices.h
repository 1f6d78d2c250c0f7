#pragma once
// What the K2000/K2500 transmit dialog asks, kept from one opening to the
// next: the program name, the destination program ID and the template's
// program ID as typed, and whether to build on the template. Checking them
// gives the alert that refuses them, or the request the transfer takes.
#include <optional>
#include <string>
#include <variant>

#include "resources/CaravelResources.h"
#include "samplers/transfer/CABCSamplerTransfer.h"

struct K2000TransmitChoices {
    // Characters the ID fields take.
    static constexpr const char* kDigits = "0123456789";
    static constexpr std::size_t kMaxDigits = 5;

    std::string programName = "New Program";
    std::string programId = "200";
    std::string templateId = "65535";
    bool useTemplate = false;

    // The ID a field holds; none for no digits or 65535 and above.
    static std::optional<std::uint16_t> IdIn(const std::string& text);
    // Alert 26 for an empty name, 24 for no destination ID; otherwise the
    // request (the template 65535 when on without an ID, so that the
    // transfer asks whether to use defaults).
    std::variant<ResourceId, TransmitRequest> Check(std::uint8_t sysexId) const;
};
