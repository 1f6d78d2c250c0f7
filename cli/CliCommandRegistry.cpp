#include "cli/CliCommandRegistry.h"

#include <algorithm>

std::vector<CliCommandRegistry::Factory>& CliCommandRegistry::Factories() {
    static std::vector<Factory> factories;
    return factories;
}

void CliCommandRegistry::Add(Factory factory) { Factories().push_back(std::move(factory)); }

std::vector<std::unique_ptr<CliCommand>> CliCommandRegistry::Commands() {
    std::vector<std::unique_ptr<CliCommand>> commands;
    for (const Factory& factory : Factories()) commands.push_back(factory());
    std::sort(commands.begin(), commands.end(), [](const auto& a, const auto& b) { return a->Name() < b->Name(); });
    return commands;
}
