#pragma once
// The commands of the batch tool. Each command's file registers it with a
// static CliCommandRegistration; the tool lists them in name order.
#include <functional>
#include <memory>
#include <vector>

#include "cli/CliCommand.h"

class CliCommandRegistry {
public:
    using Factory = std::function<std::unique_ptr<CliCommand>()>;

    static void Add(Factory factory);
    // A new instance of every registered command, sorted by name.
    static std::vector<std::unique_ptr<CliCommand>> Commands();

private:
    static std::vector<Factory>& Factories();
};

// At namespace scope in a command's file:
//     const CliCommandRegistration kRegistration([] { return std::make_unique<InfoCommand>(); });
struct CliCommandRegistration {
    explicit CliCommandRegistration(CliCommandRegistry::Factory factory) { CliCommandRegistry::Add(std::move(factory)); }
};
