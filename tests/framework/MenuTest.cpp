#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "framework/exceptions/Exceptions.h"
#include "framework/resources/CMenu.h"
#include "framework/resources/CMenuBar.h"
#include "resources/CaravelResources.h"

namespace {

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

TEST(MenuScript, MenuBarHoldsItsFiveMenusOfDisabledCommandsAndSeparators)
{
    const CMenuBar bar = ApplicationMenuBar();
    const std::tuple<const char*, char, std::size_t, std::uint32_t> menus[] = {
        {"File", 'F', 13, 1000}, {"Edit", 'E', 10, 1106}, {"Sampler", 'S', 7, 1200},
        {"Windows", 'W', 6, 1501}, {"Help", 'H', 9, 1400}};
    ASSERT_EQ(bar.Menus().size(), std::size(menus));
    for (std::size_t m = 0; m < std::size(menus); ++m) {
        const auto& [title, mnemonic, count, firstCommand] = menus[m];
        const CMenu& menu = *bar.Menus()[m];
        EXPECT_EQ(menu.Title(), title);
        EXPECT_EQ(menu.Mnemonic(), mnemonic);
        ASSERT_EQ(menu.ItemCount(), count) << title;
        EXPECT_EQ(menu.Record(0).command, firstCommand) << title;
        for (std::size_t i = 0; i < count; ++i) {
            const MenuItemRecord record = menu.Record(i);
            EXPECT_EQ(record.kind == kMenuItemSeparator, record.label.empty()) << title << i;
            EXPECT_EQ(record.kind == kMenuItemSeparator, record.command == 0) << title << i;
            EXPECT_TRUE(record.kind == kMenuItemSeparator || (record.helpId > 0 && record.disabled)) << title << i;
            EXPECT_FALSE(record.checked);
        }
    }
    const MenuItemRecord exportSLX = bar.Menus()[0]->Record(8);
    EXPECT_EQ(exportSLX.label, "Export Quillet! SLX File...");
    EXPECT_EQ(exportSLX.shortcut, 'B');
    EXPECT_EQ(exportSLX.command, 1007u);
    EXPECT_EQ(exportSLX.helpId, 100060u);
    EXPECT_EQ(exportSLX.mnemonic, 'R');
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

TEST(MenuScript, MarkersMayStandInAnyOrderAndLabelsAreCut)
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
    // A label is kept to 64 characters.
    const auto cut = CMenu::FromScript("M;" + std::string(80, 'a') + "=5");
    EXPECT_EQ(cut->Record(0).label, std::string(64, 'a'));
    EXPECT_EQ(cut->Record(0).command, 5u);
}

TEST(MenuNativeText, ShortcutAndMnemonicAreShownAndAmpersandsDoubled)
{
    const CMenu file(Res::kMenuFile);
    EXPECT_EQ(CMenu::NativeItemText(file.Record(0)), "&Open...\tCtrl+O");
    // The mnemonic goes to the start of a word before any earlier occurrence.
    EXPECT_EQ(CMenu::NativeItemText(file.Record(4)), "Save &As...");
    EXPECT_EQ(CMenu::NativeItemText(file.Record(2)), "");
    EXPECT_EQ(file.NativeTitleText(), "&File");
    // Ampersands are doubled; the mnemonic falls back to any position.
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
    const MenuItemLocation none = bar.FindShortcut('K');
    EXPECT_EQ(none.menu, nullptr);
    EXPECT_EQ(none.index, 666u);
    EXPECT_FALSE(bar.FindCommand(4242).has_value());

    auto targets = std::make_shared<CMenu>();
    targets->AppendCommand("My S3000", 1210);
    bar.Menus()[2]->AppendRecord(SubmenuItem(targets));
    MenuItemRecord extra;
    extra.label = "Extra";
    extra.shortcut = 'K';
    targets->AppendRecord(extra);

    auto inside = bar.FindCommand(1210);
    ASSERT_TRUE(inside.has_value());
    EXPECT_EQ(inside->menu, targets.get());
    EXPECT_EQ(inside->index, 0u);
    const MenuItemLocation shortcut = bar.FindShortcut('K');
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
