#pragma once
// What the S-760 transmit dialog asks, kept from one opening to the next:
// the patch name, the sample rate and the template (0 for the defaults,
// else the patch of that place in the sampler's list). A document other
// than the last one brings its own name and rate.
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "resources/CaravelResources.h"
#include "samplers/transfer/CABCSamplerTransfer.h"

struct S760TransmitChoices {
    // The rates offered, in the order shown.
    static const std::vector<std::uint32_t>& Rates();

    std::string patchName;
    std::uint32_t rate = 44100;
    int templateIndex = 0;
    std::string document;  // the name of the document the choices were made for

    // The dialog opens on `documentName` (at `documentRate`) with
    // `templates` patches to choose from.
    void Open(const std::string& documentName, std::uint32_t documentRate, std::size_t templates);
    // Alert 35 for an empty patch name; otherwise the request, the patch
    // name in patch name form and the template named from `templates`.
    std::variant<ResourceId, TransmitRequest> Check(const std::vector<std::string>& templates) const;
};
