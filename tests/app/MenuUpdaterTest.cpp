#include "app/commands/CMenuUpdater.h"

#include <gtest/gtest.h>

#include <array>

#include "resources/QuilletCommands.h"

namespace {

class MenuUpdaterTest : public ::testing::Test {
protected:
    static constexpr std::array<ResourceId, 5> kBar = {600128001, 600128002, 600128003, 600128007, 600128004};

    MenuItemRecord Item(std::uint32_t command)
    {
        const auto where = bar_.FindCommand(command);
        EXPECT_TRUE(where.has_value()) << command;
        return where ? where->menu->Record(where->index) : MenuItemRecord{};
    }
    bool Enabled(std::uint32_t command) { return !Item(command).disabled; }
    void Update()
    {
        bar_.Reset();
        CMenuUpdater::Update(bar_, state_);
    }

    CMenuBar bar_{kBar};
    MenuState state_;
};

}  // namespace

TEST_F(MenuUpdaterTest, QuitAlwaysOnUnbuiltCommandsOffWebItemsWithABrowser)
{
    Update();
    EXPECT_TRUE(Enabled(Cmd::kQuit));
    EXPECT_TRUE(Enabled(Cmd::kContents));
    EXPECT_TRUE(Enabled(Cmd::kAbout));
    EXPECT_FALSE(Enabled(Cmd::kOpen));
    EXPECT_FALSE(Enabled(Cmd::kPreferences));
    EXPECT_FALSE(Enabled(Cmd::kSave));
    state_.canOpen = true;
    state_.canEditPreferences = true;
    Update();
    EXPECT_TRUE(Enabled(Cmd::kOpen));
    EXPECT_TRUE(Enabled(Cmd::kPreferences));
    // The web items need a browser.
    EXPECT_FALSE(Enabled(Cmd::kMakerHomePage));
    EXPECT_FALSE(Enabled(Cmd::kTechInfo));
    state_.browserInstalled = true;
    Update();
    for (const std::uint32_t web : {Cmd::kMakerHomePage, Cmd::kDistributorHomePage, Cmd::kDownloadLoops, Cmd::kTechInfo})
        EXPECT_TRUE(Enabled(web)) << web;
}

TEST_F(MenuUpdaterTest, SamplerSettingsNeedMidiOrScsi)
{
    state_.canEditSamplerSettings = true;
    for (const auto& [midi, scsi] : {std::pair{false, false}, std::pair{false, true}, std::pair{true, false}}) {
        state_.midiAvailable = midi;
        state_.scsiAvailable = scsi;
        Update();
        EXPECT_EQ(Enabled(Cmd::kSamplerSettings), midi || scsi);
    }
}

TEST_F(MenuUpdaterTest, TargetListShowsAtMost89SamplersWithTheSelectedChecked)
{
    for (int i = 0; i < 95; ++i)
        state_.installedSamplers.push_back("Sampler " + std::to_string(i));
    state_.selectedSampler = 65535;
    state_.transmitLabel = "Transmit to Sampler 0";
    Update();
    EXPECT_EQ(Item(Cmd::kTransmit).label, "Transmit to Sampler 0");
    EXPECT_TRUE(Item(Cmd::kFirstSamplerSelection).checked);
    EXPECT_TRUE(Enabled(Cmd::kFirstSamplerSelection + 88));
    EXPECT_FALSE(bar_.FindCommand(Cmd::kFirstSamplerSelection + 89).has_value());

    state_.selectedSampler = 3;
    state_.transmitLabel = "Transmit to Sampler 3";
    Update();
    EXPECT_EQ(Item(Cmd::kTransmit).label, "Transmit to Sampler 3");
    EXPECT_FALSE(Item(Cmd::kFirstSamplerSelection).checked);
    EXPECT_TRUE(Item(Cmd::kFirstSamplerSelection + 3).checked);
    // The list is a submenu after the toggles, rebuilt, not added again.
    const auto where = bar_.FindCommand(Cmd::kTransmit);
    ASSERT_EQ(where->menu->ItemCount(), 7u + 2u);
    EXPECT_EQ(where->menu->Record(8).label, "Transmit to");
    EXPECT_EQ(where->menu->Submenu(8)->ItemCount(), 89u);
}

TEST_F(MenuUpdaterTest, TogglesShowDefaultsWithoutDocuments)
{
    state_.defaultPitchToNewTempo = true;
    state_.defaultSeparateSamples = false;
    state_.defaultNormalize = false;
    state_.defaultSilenceSelected = true;
    Update();
    EXPECT_TRUE(Item(Cmd::kPitchToNewTempo).checked);
    EXPECT_TRUE(Item(Cmd::kTransmitAsOneSample).checked);
    EXPECT_FALSE(Item(Cmd::kNormalize).checked);
    EXPECT_TRUE(Item(Cmd::kSilenceSelected).checked);
    EXPECT_FALSE(Enabled(Cmd::kPitchToNewTempo));
}

TEST_F(MenuUpdaterTest, WindowCommandsFollowTheDocuments)
{
    struct Case {
        int documents;
        int visible;
        bool documentMaximized;
        bool frameMaximized;
        bool closeAll;
        bool arrange;
        bool resize;
    };
    // A minimized document alone: Close All, but nothing to arrange.
    for (const Case& c : {Case{0, 0, false, false, false, false, false}, Case{1, 0, false, false, true, false, false},
                          Case{1, 1, false, false, true, true, true}, Case{1, 1, true, false, true, true, false},
                          Case{1, 1, false, true, true, true, false}}) {
        state_ = {.documentCount = c.documents, .visibleNormalDocuments = c.visible,
                  .anyDocumentMaximized = c.documentMaximized, .frameMaximized = c.frameMaximized};
        Update();
        EXPECT_EQ(Enabled(Cmd::kCloseAll), c.closeAll) << c.documents << c.visible;
        for (const std::uint32_t arrange : {Cmd::kCascade, Cmd::kTileHorizontally, Cmd::kTileVertically})
            EXPECT_EQ(Enabled(arrange), c.arrange) << c.documents << c.visible;
        EXPECT_EQ(Enabled(Cmd::kResizeToDocuments), c.resize) << c.documentMaximized << c.frameMaximized;
    }
}

TEST_F(MenuUpdaterTest, OpenRecentFollowsOpenAndListsUpToFourDocuments)
{
    CMenuUpdater::AddOpenRecentMenu(bar_, "Open Recent");
    const auto open = bar_.FindCommand(Cmd::kOpen);
    const auto recent = bar_.FindCommand(Cmd::kOpenRecent);
    ASSERT_TRUE(open && recent);
    EXPECT_EQ(recent->menu, open->menu);
    EXPECT_EQ(recent->index, open->index + 1);
    EXPECT_EQ(CMenu::NativeItemText(recent->menu->Record(recent->index)), "Open Recen&t");

    struct Case {
        std::vector<std::string> documents;
        bool canOpen;
        bool menuEnabled;
        std::size_t listed;
    };
    const std::vector<std::string> five = {"a.qlt", "b.aif", "c.wav", "d.qlt", "e.qlt"};
    for (const Case& c : {Case{{}, true, false, 0}, Case{{"a.qlt", "b.aif"}, false, false, 2},
                          Case{five, true, true, 4}, Case{{"a.qlt"}, true, true, 1}}) {
        state_.recentDocuments = c.documents;
        state_.canOpen = c.canOpen;
        Update();
        const std::shared_ptr<CMenu> list = recent->menu->Submenu(recent->index);
        EXPECT_EQ(Enabled(Cmd::kOpenRecent), c.menuEnabled);
        ASSERT_EQ(list->ItemCount(), c.listed);
        for (std::size_t i = 0; i < c.listed; ++i) {
            const MenuItemRecord item = list->Record(i);
            EXPECT_EQ(item.command, Cmd::kFirstRecentDocument + i);
            EXPECT_EQ(item.disabled, !c.canOpen);
            EXPECT_EQ(CMenu::NativeItemText(item), "&" + std::to_string(i + 1) + " " + c.documents[i]);
        }
    }
}
