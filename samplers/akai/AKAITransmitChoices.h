#pragma once
// What the AKAI transmit dialog asks, kept from one opening to the next:
// the program name (12 characters of the AKAI set, upper-cased), the rate
// the slices are sent at and the template chosen (0: "[Default]", else the
// program of the sampler's list at that place less one). Checking them
// gives the alert that refuses them, or the request the transfer takes.
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "resources/CaravelResources.h"
#include "samplers/transfer/CABCSamplerTransfer.h"

struct AKAITransmitChoices {
    static constexpr std::size_t kNameLength = 12;
    // The characters the Program Name field takes (lower-case letters too).
    static constexpr const char* kNameCharacters = " #+-.0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

    std::string programName;
    std::uint32_t rate = 0;  // 0: chosen for the document's rate
    int templateIndex = 0;

    // The rates offered: 22050 and 44100.
    static const std::vector<std::uint32_t>& Rates();
    // The one kept, else the first rate at or above the document's, else 44100.
    std::uint32_t RateFor(std::uint32_t documentRate) const;
    static bool AcceptsKey(char key);
    // Alert 52 for a name without a character; otherwise the request, the
    // template named from `programs` (the sampler's list).
    std::variant<ResourceId, TransmitRequest> Check(const std::vector<std::string>& programs) const;
};
