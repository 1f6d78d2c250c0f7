#include "simulators/SimulatedSamplerFamilies.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <sstream>

namespace {

constexpr std::array kFamilies = {SamplerFamily::kSDS,      SamplerFamily::kEMU,     SamplerFamily::kAKAI,
                                  SamplerFamily::kRoland,   SamplerFamily::kKurzweil, SamplerFamily::kEnsoniq,
                                  SamplerFamily::kYamaha};

void AddOnce(std::vector<SamplerFamily>& families, SamplerFamily family)
{
    if (std::find(families.begin(), families.end(), family) == families.end())
        families.push_back(family);
}

}  // namespace

const char* FamilyName(SamplerFamily family)
{
    static constexpr const char* kNames[] = {"sds", "emu", "akai", "roland", "kurzweil", "ensoniq", "yamaha"};
    return kNames[static_cast<int>(family)];
}

SimulatedSamplerSelection ParseSimulatedSamplers(const std::string& text)
{
    SimulatedSamplerSelection selection;
    std::istringstream list(text);
    std::string item;
    while (std::getline(list, item, ',')) {
        if (item.empty())
            continue;
        if (item == "all") {
            for (const SamplerFamily family : kFamilies)
                AddOnce(selection.families, family);
            continue;
        }
        const auto found = std::find_if(kFamilies.begin(), kFamilies.end(),
                                        [&item](SamplerFamily family) { return item == FamilyName(family); });
        if (found == kFamilies.end())
            selection.unknown.push_back(item);
        else
            AddOnce(selection.families, *found);
    }
    return selection;
}

SimulatedSamplerSelection SimulatedSamplersFromEnvironment()
{
    const char* value = std::getenv(kSimulatedSamplersVariable);
    return ParseSimulatedSamplers(value ? value : "");
}
