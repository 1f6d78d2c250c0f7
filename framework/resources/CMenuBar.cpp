#include "framework/resources/CMenuBar.h"

CMenuBar::CMenuBar(std::span<const ResourceId> menuIds)
{
    for (ResourceId id : menuIds)
        fMenus.push_back(std::make_shared<CMenu>(id));
}

std::optional<MenuItemLocation> CMenuBar::FindCommand(std::uint32_t command) const
{
    for (const auto& menu : fMenus) {
        if (auto found = menu->FindCommand(command))
            return found;
    }
    return std::nullopt;
}

MenuItemLocation CMenuBar::FindShortcut(char key) const
{
    for (const auto& menu : fMenus) {
        const MenuItemLocation found = menu->FindShortcut(key);
        if (found.menu)
            return found;
    }
    return {nullptr, CMenu::kNotFound};
}

void CMenuBar::Reset()
{
    for (const auto& menu : fMenus)
        menu->Reset();
}
