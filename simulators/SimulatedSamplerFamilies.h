#pragma once
// Which sampler families answer as simulated instruments, as the
// environment names them: "all", or a comma list of family names.
#include <string>
#include <vector>

enum class SamplerFamily { kSDS, kEMU, kAKAI, kRoland, kKurzweil, kEnsoniq, kYamaha };

struct SimulatedSamplerSelection {
    std::vector<SamplerFamily> families;  // each once, in the order named
    std::vector<std::string> unknown;     // names that are no family
};

inline constexpr const char* kSimulatedSamplersVariable = "QUILLET_SIMULATED_SAMPLERS";

// "sds", "emu", "akai", "roland", "kurzweil", "ensoniq", "yamaha".
const char* FamilyName(SamplerFamily family);
SimulatedSamplerSelection ParseSimulatedSamplers(const std::string& text);
SimulatedSamplerSelection SimulatedSamplersFromEnvironment();
