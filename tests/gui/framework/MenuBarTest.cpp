// The native menu bar mirrors the menu records: titles, item texts, enabled
// and checked states after the status pass, Ctrl+key shortcuts (which a
// modal dialog keeps for itself) and the Windows menu's window list.
#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "gui/framework/application/CApplication.h"
#include "gui/framework/menus/CNativeMenuBar.h"
#include "gui/framework/windows/CDocumentWindow.h"
#include "gui/framework/windows/CFrameWindow.h"

namespace {

constexpr std::size_t kWindowsMenu = 3;

class CMenuApplication : public CApplication {
public:
    CMenuApplication() : CApplication("Quillet")
    {
        SetMenuBar(std::make_unique<CMenuBar>(Res::kMenuBarMenus), kWindowsMenu);
    }
    void UpdateMenus() override
    {
        for (std::uint32_t command : enabled)
            if (auto found = GetMenuBar()->Menus().FindCommand(command))
                found->menu->SetEnabled(found->index, true);
        if (auto found = GetMenuBar()->Menus().FindCommand(1204))
            found->menu->SetChecked(found->index, checkNormalize);
    }
    bool DoCommand(std::uint32_t command) override
    {
        commands.push_back(command);
        return CApplication::DoCommand(command);
    }

    std::vector<std::uint32_t> enabled{1000, 1008};
    bool checkNormalize = false;
    std::vector<std::uint32_t> commands;
};

class CTitledWindow : public CDocumentWindow {
public:
    CTitledWindow(CApplication& application, const std::string& title) : CDocumentWindow(application)
    {
        SetContentSize(100, 50);
        SetTitle(title);
    }
};

class MenuBarTest : public ::testing::Test {
protected:
    QMenu& Menu(std::size_t index) { return application.GetMenuBar()->NativeMenu(index); }

    CMenuApplication application;
};

TEST_F(MenuBarTest, BarHoldsTheFiveMenusWithNativeTexts)
{
    QStringList titles;
    for (const QAction* action : application.Frame().menuBar()->actions())
        titles << action->text();
    EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "&Sampler", "&Windows", "&Help"}));
    const auto actions = Menu(0).actions();
    EXPECT_EQ(actions[0]->text(), "&Open...\tCtrl+O");
    EXPECT_TRUE(actions[2]->isSeparator());
}

TEST_F(MenuBarTest, StatusPassSetsEnabledAndCheckedAlsoWhenAMenuOpens)
{
    application.RunMenuUpdate();
    EXPECT_TRUE(application.GetMenuBar()->ActionFor(1000)->isEnabled());
    EXPECT_FALSE(application.GetMenuBar()->ActionFor(1001)->isEnabled());
    EXPECT_FALSE(application.GetMenuBar()->ActionFor(1204)->isChecked());
    application.checkNormalize = true;
    application.RunMenuUpdate();
    EXPECT_TRUE(application.GetMenuBar()->ActionFor(1204)->isChecked());
    application.enabled.push_back(1100);
    emit Menu(1).aboutToShow();
    EXPECT_TRUE(application.GetMenuBar()->ActionFor(1100)->isEnabled());
}

TEST_F(MenuBarTest, ItemAndEnabledShortcutDispatchTheCommand)
{
    application.RunMenuUpdate();
    application.GetMenuBar()->ActionFor(1000)->trigger();
    EXPECT_EQ(application.commands, (std::vector<std::uint32_t>{1000}));
    application.commands.clear();
    application.Frame().show();
    QTest::keyClick(&application.Frame(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(application.commands, (std::vector<std::uint32_t>{1000}));
    QTest::keyClick(&application.Frame(), Qt::Key_W, Qt::ControlModifier);  // Close: disabled
    EXPECT_EQ(application.commands, (std::vector<std::uint32_t>{1000}));
}

TEST_F(MenuBarTest, ShortcutsInAModalDialogStayItsOwnKeys)
{
    application.enabled = {1001, 1102};  // Close, Select All
    application.Frame().show();
    application.AddDocumentWindow(std::make_unique<CTitledWindow>(application, "Loop")).Open();
    {
        QDialog dialog;
        auto* name = new QLineEdit(QStringLiteral("Loop"), &dialog);
        dialog.setModal(true);
        dialog.show();
        name->deselect();
        for (const Qt::Key key : {Qt::Key_W, Qt::Key_A, Qt::Key_F, Qt::Key_Q})
            QTest::keyClick(name, key, Qt::ControlModifier);
        EXPECT_TRUE(application.commands.empty());
        EXPECT_EQ(application.DocumentWindows().size(), 1u);
        EXPECT_EQ(name->selectedText(), "Loop");  // Ctrl+A selected the name
    }
    QTest::keyClick(&application.Frame(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(application.commands, (std::vector<std::uint32_t>{1102}));
}

TEST_F(MenuBarTest, WindowsMenuListsTheDocumentWindows)
{
    application.RunMenuUpdate();
    const int plain = static_cast<int>(Menu(kWindowsMenu).actions().size());
    application.AddDocumentWindow(std::make_unique<CTitledWindow>(application, "Loop one")).Open();
    application.AddDocumentWindow(std::make_unique<CTitledWindow>(application, "Loop two")).Open();
    application.RunMenuUpdate();
    const auto actions = Menu(kWindowsMenu).actions();
    ASSERT_EQ(actions.size(), plain + 3);
    EXPECT_TRUE(actions[plain]->isSeparator());
    EXPECT_EQ(actions[plain + 1]->text(), "Loop one");
    EXPECT_FALSE(actions[plain + 1]->isChecked());
    EXPECT_EQ(actions[plain + 2]->text(), "Loop two");
    EXPECT_TRUE(actions[plain + 2]->isChecked());
    actions[plain + 1]->trigger();
    EXPECT_EQ(application.FrontDocumentWindow(), application.DocumentWindows()[0]);
    // The list is rebuilt, not appended to, on the next pass.
    application.RunMenuUpdate();
    EXPECT_EQ(Menu(kWindowsMenu).actions().size(), plain + 3);
}

}  // namespace
