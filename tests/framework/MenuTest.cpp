#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/exceptions/Exceptions.h"
#include "framework/resources/CMenu.h"
#include "framework/resources/CMenuBar.h"
#include "resources/CaravelResources.h"

namespace {

struct ExpectedItem {
    const char* label;  // nullptr for a separator
    char shortcut;
    std::uint32_t command;
    std::uint32_t help;
    char mnemonic;
};

struct ExpectedMenu {
    const char* title;
    char mnemonic;
    std::vector<ExpectedItem> items;
};

const ExpectedItem kSeparator{nullptr, 0, 0, 0, 0};

// The command table of the menu bar, menus in their order on the bar.
const std::vector<ExpectedMenu> kMenuBarTable = {
    {"File", 'F', {
        {"Open...", 'O', 1000, 100000, 'O'},
        {"Close", 'W', 1001, 100010, 'C'},
        kSeparator,
        {"Save", 'S', 1002, 100020, 'S'},
        {"Save As...", 0, 1003, 100030, 'A'},
        kSeparator,
        {"Export Sound...", 0, 1005, 100040, 'E'},
        {"Export Groove MIDI File...", 0, 1006, 100050, 'M'},
        {"Export Quillet! SLX File...", 'B', 1007, 100060, 'R'},
        kSeparator,
        {"Quit", 'Q', 1008, 100080, 'Q'}}},
    {"Edit", 'E', {
        {"Magnify to Fit", 'F', 1100, 101000, 'F'},
        {"Magnify to Fit Loop", 'L', 1101, 101010, 'L'},
        {"Select All", 'A', 1102, 101020, 'A'},
        {"Invert Selection", 0, 1103, 101030, 'I'},
        kSeparator,
        {"Preferences...", 0, 1104, 101040, 'P'},
        {"Sampler Settings...", 0, 1105, 101050, 'S'}}},
    {"Sampler", 'S', {
        {"Transmit...", 'T', 1200, 102000, 0},
        {"Receive...", 'R', 1201, 102010, 0},
        kSeparator,
        {"Pitch to New Tempo", 0, 1202, 102020, 'P'},
        {"Transmit as One Sample", 0, 1203, 102030, 'O'},
        {"Normalize", 0, 1204, 102040, 'N'},
        {"Silence Selected", 0, 1205, 102050, 'S'}}},
    {"Windows", 'W', {
        {"Cascade", 0, 1501, 103000, 'C'},
        {"Tile Horizontally", 0, 1502, 103010, 'H'},
        {"Tile Vertically", 0, 1503, 103020, 'T'},
        {"Close All", 0, 1504, 103030, 'A'},
        kSeparator,
        {"Resize Application Window to Documents", 0, 1505, 103040, 'R'}}},
    {"Help", 'H', {
        {"Contents", 0, 1400, 104000, 'C'},
        kSeparator,
        {"Go to the Brackwater Homepage...", 0, 1401, 104010, 'P'},
        {"Go to the Marlpit Homepage...", 0, 1402, 104020, 'S'},
        {"Download Drum Loops...", 0, 1403, 104030, 'D'},
        {"Quillet! Tech Info and Support...", 0, 1404, 104040, 'R'},
        kSeparator,
        {"System Information...", 0, 1405, 104050, 'I'},
        {"About Quillet!...", 0, 1406, 104060, 'A'}}},
};

CMenuBar ApplicationMenuBar() { return CMenuBar(Res::kMenuBarMenus); }

// An item opening the given submenu.
MenuItemRecord SubmenuItem(std::shared_ptr<CMenu> submenu)
{
    MenuItemRecord holder;
    holder.kind = kMenuItemSubmenu;
    holder.label = "Targets";
    holder.submenu = std::move(submenu);
    return holder;
}

std::vector<WindowListEntry> Windows(std::vector<std::string> titles)
{
    std::vector<WindowListEntry> windows;
    for (std::uint32_t i = 0; i < titles.size(); ++i)
        windows.push_back({i, titles[i], true, true, false});
    return windows;
}

}  // namespace

TEST(MenuScript, MenuBarYieldsTheCommandTable)
{
    const CMenuBar bar = ApplicationMenuBar();
    ASSERT_EQ(bar.Menus().size(), kMenuBarTable.size());
    for (std::size_t m = 0; m < kMenuBarTable.size(); ++m) {
        const CMenu& menu = *bar.Menus()[m];
        const ExpectedMenu& expected = kMenuBarTable[m];
        SCOPED_TRACE(expected.title);
        EXPECT_EQ(menu.Title(), expected.title);
        EXPECT_EQ(menu.Mnemonic(), expected.mnemonic);
        ASSERT_EQ(menu.ItemCount(), expected.items.size());
        for (std::size_t i = 0; i < expected.items.size(); ++i) {
            const MenuItemRecord record = menu.Record(i);
            const ExpectedItem& item = expected.items[i];
            SCOPED_TRACE(i);
            if (item.label == nullptr) {
                EXPECT_EQ(record.kind, kMenuItemSeparator);
                continue;
            }
            EXPECT_EQ(record.kind, kMenuItemCommand);
            EXPECT_EQ(record.label, item.label);
            EXPECT_EQ(record.shortcut, item.shortcut);
            EXPECT_EQ(record.command, item.command);
            EXPECT_EQ(record.helpId, item.help);
            EXPECT_EQ(record.mnemonic, item.mnemonic);
            EXPECT_TRUE(record.disabled);
            EXPECT_FALSE(record.checked);
        }
    }
}

TEST(MenuScript, PopupListsHaveBareLabels)
{
    const CMenu beats(Res::kPopupBeats);
    EXPECT_EQ(beats.Title(), "Beats");
    ASSERT_EQ(beats.ItemCount(), 8u);
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(beats.Record(i).label, std::to_string(i));
        EXPECT_EQ(beats.Record(i).command, 0u);
    }
    const CMenu signature(Res::kPopupTimeSignature);
    ASSERT_EQ(signature.ItemCount(), 6u);
    EXPECT_EQ(signature.Record(5).label, "7/8");
    EXPECT_EQ(CMenu(Res::kPopupWaveformType).Record(1).label, "3D");
}

TEST(MenuScript, MarkersMayStandInAnyOrder)
{
    const auto menu = CMenu::FromScript("  Tools ?77 ~T; ~x?12=34#Kcut; Plain;-");
    EXPECT_EQ(menu->Title(), "Tools ");
    EXPECT_EQ(menu->HelpId(), 77u);
    EXPECT_EQ(menu->Mnemonic(), 'T');
    ASSERT_EQ(menu->ItemCount(), 3u);
    const MenuItemRecord item = menu->Record(0);
    EXPECT_EQ(item.label, "");
    EXPECT_EQ(item.mnemonic, 'x');
    EXPECT_EQ(item.helpId, 12u);
    EXPECT_EQ(item.command, 34u);
    EXPECT_EQ(item.shortcut, 'K');
    EXPECT_EQ(menu->Record(1).label, "Plain");
    EXPECT_EQ(menu->Record(2).kind, kMenuItemSeparator);
}

TEST(MenuScript, LabelIsKeptTo64Characters)
{
    const auto menu = CMenu::FromScript("M;" + std::string(80, 'a') + "=5");
    EXPECT_EQ(menu->Record(0).label, std::string(64, 'a'));
    EXPECT_EQ(menu->Record(0).command, 5u);
}

TEST(MenuNativeText, ShortcutAndMnemonicAreShown)
{
    const CMenu file(Res::kMenuFile);
    EXPECT_EQ(CMenu::NativeItemText(file.Record(0)), "&Open...\tCtrl+O");
    // The mnemonic goes to the start of a word before any earlier occurrence.
    EXPECT_EQ(CMenu::NativeItemText(file.Record(4)), "Save &As...");
    EXPECT_EQ(CMenu::NativeItemText(file.Record(2)), "");
    EXPECT_EQ(file.NativeTitleText(), "&File");
}

TEST(MenuNativeText, AmpersandIsDoubledAndMnemonicFallsBackToAnyPosition)
{
    MenuItemRecord record;
    record.label = "Rock & Roll";
    record.mnemonic = 'R';
    EXPECT_EQ(CMenu::NativeItemText(record), "&Rock && Roll");
    record.label = "Default";
    record.mnemonic = 'f';
    EXPECT_EQ(CMenu::NativeItemText(record), "De&fault");
    record.mnemonic = 'z';
    record.shortcut = 'D';
    EXPECT_EQ(CMenu::NativeItemText(record), "Default\tCtrl+D");
}

TEST(Menu, FindsCommandsAndShortcutsThroughSubmenus)
{
    const CMenuBar bar = ApplicationMenuBar();
    auto windows = bar.FindCommand(1505);
    ASSERT_TRUE(windows.has_value());
    EXPECT_EQ(windows->menu, bar.Menus()[3].get());
    EXPECT_EQ(windows->index, 5u);

    EXPECT_EQ(bar.FindShortcut('T').menu, bar.Menus()[2].get());
    const MenuItemLocation none = bar.FindShortcut('Z');
    EXPECT_EQ(none.menu, nullptr);
    EXPECT_EQ(none.index, 666u);
    EXPECT_FALSE(bar.FindCommand(4242).has_value());

    auto targets = std::make_shared<CMenu>();
    targets->AppendCommand("My S3000", 1210);
    bar.Menus()[2]->AppendRecord(SubmenuItem(targets));
    MenuItemRecord extra;
    extra.label = "Extra";
    extra.shortcut = 'Z';
    targets->AppendRecord(extra);

    auto inside = bar.FindCommand(1210);
    ASSERT_TRUE(inside.has_value());
    EXPECT_EQ(inside->menu, targets.get());
    EXPECT_EQ(inside->index, 0u);
    const MenuItemLocation shortcut = bar.FindShortcut('Z');
    EXPECT_EQ(shortcut.menu, targets.get());
    EXPECT_EQ(shortcut.index, 1u);
}

TEST(Menu, ResetDisablesUnchecksAndDropsTemporaryItems)
{
    CMenu windows(Res::kMenuWindows);
    auto submenu = std::make_shared<CMenu>();
    submenu->AppendCommand("Inner", 7);
    submenu->SetChecked(0, true);
    windows.AppendRecord(SubmenuItem(submenu));
    windows.SetEnabled(0, true);
    windows.SetChecked(0, true);
    ASSERT_TRUE(windows.FillWindowList(Windows({"Beat (44.1kHz)"})));
    ASSERT_EQ(windows.ItemCount(), 8u);

    windows.Reset();
    EXPECT_EQ(windows.ItemCount(), 7u);
    EXPECT_TRUE(windows.Record(0).disabled);
    EXPECT_FALSE(windows.Record(0).checked);
    EXPECT_TRUE(submenu->Record(0).disabled);
    EXPECT_FALSE(submenu->Record(0).checked);
}

TEST(Menu, WindowListCutsLongTitlesAndSkipsUnlistedWindows)
{
    CMenu menu;
    EXPECT_EQ(menu.Title(), "Untitled");
    std::vector<WindowListEntry> windows = Windows({std::string(65, 'x'), std::string(64, 'y'), "", "Tool", "Front"});
    windows[3].isDocument = false;
    windows[4].isFront = true;
    ASSERT_TRUE(menu.FillWindowList(windows));
    ASSERT_EQ(menu.ItemCount(), 3u);
    EXPECT_EQ(menu.Record(0).label, std::string(61, 'x') + "...");
    EXPECT_EQ(menu.Record(0).command, 0x80000000u + 201u);
    EXPECT_TRUE(menu.Record(0).temporary);
    EXPECT_FALSE(menu.Record(0).disabled);
    EXPECT_EQ(menu.Record(1).label, std::string(64, 'y'));
    EXPECT_EQ(menu.Record(2).command, 0x80000000u + 205u);
    EXPECT_TRUE(menu.Record(2).checked);
    EXPECT_FALSE(menu.Record(1).checked);

    windows[0].wantsListing = false;
    CMenu unlisted;
    EXPECT_FALSE(unlisted.FillWindowList({windows[0], windows[2], windows[3]}));
}

TEST(Menu, EditingKeepsRecordsInOrderAndRejectsBadIndices)
{
    CMenu menu;
    menu.AppendCommand("B", 2);
    MenuItemRecord first;
    first.label = "A";
    first.command = 1;
    menu.InsertRecord(0, first);
    menu.InsertRecord(99, first);
    ASSERT_EQ(menu.ItemCount(), 3u);
    EXPECT_EQ(menu.Record(1).label, "B");
    menu.RemoveItem(0);
    EXPECT_EQ(menu.Record(0).label, "B");

    EXPECT_THROW(menu.RemoveItem(2), XInternalError);
    EXPECT_THROW(menu.Record(5), XInternalError);
    EXPECT_THROW(menu.SetChecked(2, true), XInternalError);
}
