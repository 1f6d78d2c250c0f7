#pragma once
// The sample rates the export save dialog offers, in its order, and the one
// it starts on for a document.
#include <array>
#include <cstdint>

inline constexpr std::array<std::uint32_t, 5> kExportSampleRates = {22050, 32000, 44100, 48000, 96000};

// The document's own rate when it is offered, else the lowest offered rate
// above it, else the highest.
int InitialExportRateIndex(std::uint32_t documentRate);
