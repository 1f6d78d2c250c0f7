#pragma once
// What the identification of a sampler yields, and what a SCSI device tells
// of itself. Messages are whole system-exclusive messages, F0 to F7.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "samplers/model/CVersion.h"

using SysexBytes = std::vector<std::uint8_t>;

struct IdentifiedSampler {
    std::uint32_t typeId = 0;
    std::uint8_t sysexId = 0;
    CVersion version = CVersion::Unknown();
    friend bool operator==(const IdentifiedSampler&, const IdentifiedSampler&) = default;
};

// The INQUIRY data a finder looks at, texts without trailing blanks.
struct InquiryIdentity {
    static constexpr std::uint8_t kProcessor = 3;
    std::uint8_t peripheralType = kProcessor;
    std::string vendor;
    std::string product;
    std::string revision;
};

// A revision text such as "4.10" or "3,02": the parts before and after the
// first "." or "," as decimal numbers; nothing when it is not that.
std::optional<CVersion> VersionFromRevision(const std::string& revision);
