#pragma once
// A menu built from a menu script, independent of any display:
//   title ~M ?help ; label #K =command ?help ~M ; - ; ...
// Segments are separated by ";"; "-" alone is a separator; the markers of a
// segment may stand in any order and only the first of each counts.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/resources/MenuItemRecord.h"
#include "resources/CaravelResources.h"

// Where a search found an item: the menu holding it and the index in it.
struct MenuItemLocation {
    CMenu* menu = nullptr;
    std::size_t index = 0;
};

// One window as the Windows menu's list sees it.
struct WindowListEntry {
    std::uint32_t index = 0;  // place in the application's window list
    std::string title;
    bool isDocument = false;
    bool wantsListing = false;
    bool isFront = false;
};

class CMenu {
public:
    static constexpr std::size_t kNotFound = 666;
    static constexpr std::size_t kMaxTitleLength = 64;
    // Window-list commands: the top bit set, then 201 + the window's index.
    static constexpr std::uint32_t kWindowListFirstCommand = 0x80000000u + 201u;
    static constexpr std::size_t kMaxWindowTitle = 64;
    static constexpr std::size_t kCutWindowTitle = 61;

    // An empty menu titled "Untitled".
    CMenu();
    // The menu of menu-script entry `id`.
    explicit CMenu(ResourceId id);
    // The menu described by `script`.
    static std::shared_ptr<CMenu> FromScript(std::string_view script);

    const std::string& Title() const { return fTitle; }
    std::uint32_t HelpId() const { return fHelpId; }
    char Mnemonic() const { return fMnemonic; }

    std::size_t ItemCount() const { return fRecords.size(); }
    const std::vector<MenuItemRecord>& Records() const { return fRecords; }
    // Index errors raise XInternalError.
    MenuItemRecord Record(std::size_t index) const;
    std::shared_ptr<CMenu> Submenu(std::size_t index) const;

    // An index past the end appends.
    void InsertRecord(std::size_t index, MenuItemRecord record);
    void AppendRecord(MenuItemRecord record);
    // Appends an enabled command item.
    void AppendCommand(std::string_view label, std::uint32_t command);
    void RemoveItem(std::size_t index);
    void SetEnabled(std::size_t index, bool enabled);
    void SetChecked(std::size_t index, bool checked);

    // Searches this menu and, where they stand, its submenus; a submenu item
    // is found by the command it carries. The shortcut search answers index
    // 666 and no menu when nothing matches.
    std::optional<MenuItemLocation> FindCommand(std::uint32_t command);
    MenuItemLocation FindShortcut(char key);

    // Disables and unchecks every item, recursively, then removes the
    // temporary items.
    void Reset();

    // Appends a temporary item for each listed document window with a
    // title; answers whether any was added.
    bool FillWindowList(const std::vector<WindowListEntry>& windows);

    // The native text of a record: "&" doubled, the mnemonic marked with "&",
    // and with a shortcut "label\tCtrl+K".
    static std::string NativeItemText(const MenuItemRecord& record);
    // The title as the menu bar shows it, "&" doubled and the mnemonic marked.
    std::string NativeTitleText() const;

private:
    void ReadScript(std::string_view script);
    void CheckIndex(std::size_t index) const;
    static std::string MarkMnemonic(std::string_view label, char mnemonic);

    std::string fTitle;
    std::uint32_t fHelpId = 0;
    char fMnemonic = 0;
    std::vector<MenuItemRecord> fRecords;
};
