#pragma once
// The application's part of the command-status pass: after the menu reset
// (every item disabled and unchecked, temporary items gone) it enables,
// checks and labels the application's items and adds the sampler list and
// the recent documents (the framework adds the window list).
#include "app/commands/MenuState.h"
#include "framework/resources/CMenuBar.h"

class CMenuUpdater {
public:
    static void Update(CMenuBar& bar, const MenuState& state);
    // Puts the empty Open Recent submenu, titled label, after File > Open.
    static void AddOpenRecentMenu(CMenuBar& bar, const std::string& label);

private:
    static void Enable(CMenuBar& bar, std::uint32_t command, bool enabled);
    static void Check(CMenuBar& bar, std::uint32_t command, bool checked);
    static void AddSamplerList(CMenuBar& bar, const MenuState& state);
    static void AddRecentDocuments(CMenuBar& bar, const MenuState& state);
};
