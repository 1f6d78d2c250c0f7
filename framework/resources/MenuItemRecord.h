#pragma once
// One item of a menu as the menu script and the program's own additions
// describe it; the window program turns each record into a native item.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

class CMenu;

enum MenuItemKind : std::int32_t {
    kMenuItemSeparator = 0,
    kMenuItemCommand = 1,
    kMenuItemSubmenu = 2,
};

struct MenuItemRecord {
    static constexpr std::size_t kMaxLabelLength = 64;

    std::int32_t kind = kMenuItemCommand;
    bool disabled = false;
    // Added at run time; removed at the next menu reset.
    bool temporary = false;
    std::uint32_t command = 0;
    std::string label;
    char shortcut = 0;  // Ctrl+shortcut; 0 for none
    char mnemonic = 0;  // 0 for none
    std::uint32_t helpId = 0;
    bool checked = false;
    std::shared_ptr<CMenu> submenu;  // for kMenuItemSubmenu
};
