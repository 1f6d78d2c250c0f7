#pragma once
// Mirrors the display-free menus of a CMenuBar into a Qt menu bar: one QMenu
// per menu, one action per item record, with the records' enabled and
// checked states. Before a menu opens the application's menu-status pass
// runs and the menu is rebuilt from the records; choosing an item hands its
// command to the application's dispatcher, and the menus are brought up to
// date after it. While the bar exists, Ctrl+key presses anywhere in the
// program go to its shortcuts first; while a modal window is up, a key whose
// command the window does not take stays that window's own (Ctrl+A in a
// file dialog's name field selects the name).
#include <functional>
#include <memory>
#include <vector>

#include "framework/resources/CMenuBar.h"

class QAction;
class QMenu;
class QMenuBar;

class CNativeMenuBar {
public:
    using UpdatePass = std::function<void()>;
    // Answers whether the command was taken.
    using Dispatch = std::function<bool(std::uint32_t command)>;

    CNativeMenuBar(std::unique_ptr<CMenuBar> menus, QMenuBar& bar, UpdatePass update, Dispatch dispatch);
    ~CNativeMenuBar();

    CMenuBar& Menus() const { return *fMenus; }
    // Rebuilds every native menu from its records.
    void Sync();
    // The native menu of the bar's menu `index` (bar order).
    QMenu& NativeMenu(std::size_t index) const { return *fNativeMenus[index]; }
    // The first action, in bar order, that carries `command`, or nullptr.
    QAction* ActionFor(std::uint32_t command) const;

    // A Ctrl+key press: runs the status pass, then the command of the item
    // whose shortcut is `key` if that item is enabled. Answers whether the
    // key is used up: when an item has that shortcut, or, with a modal
    // window up, only when its command was taken.
    bool HandleShortcut(char key);

private:
    class CShortcutFilter;

    void Fill(QMenu& native, CMenu& menu);
    bool Run(std::uint32_t command);

    std::unique_ptr<CMenuBar> fMenus;
    QMenuBar& fBar;
    UpdatePass fUpdate;
    Dispatch fDispatch;
    std::vector<QMenu*> fNativeMenus;
    std::unique_ptr<CShortcutFilter> fShortcutFilter;
};
