#pragma once
// The menus of the application's menu bar, in their order on the bar, with
// the searches and the reset that run over all of them.
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "framework/resources/CMenu.h"

class CMenuBar {
public:
    explicit CMenuBar(std::span<const ResourceId> menuIds);

    const std::vector<std::shared_ptr<CMenu>>& Menus() const { return fMenus; }

    std::optional<MenuItemLocation> FindCommand(std::uint32_t command) const;
    // The first item, in bar order, whose shortcut is `key`; index 666 and no
    // menu when none has it.
    MenuItemLocation FindShortcut(char key) const;
    void Reset();

private:
    std::vector<std::shared_ptr<CMenu>> fMenus;
};
