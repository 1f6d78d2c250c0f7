#include "app/commands/CMenuUpdater.h"

#include <algorithm>

#include "framework/resources/ResourceScripts.h"
#include "resources/QuilletCommands.h"

namespace {

MenuItemRecord TemporarySeparator()
{
    MenuItemRecord separator;
    separator.kind = kMenuItemSeparator;
    separator.temporary = true;
    return separator;
}

}  // namespace

void CMenuUpdater::Update(CMenuBar& bar, const MenuState& state)
{
    Enable(bar, Cmd::kOpen, state.canOpen);
    Enable(bar, Cmd::kQuit, true);
    Enable(bar, Cmd::kPreferences, state.canEditPreferences);
    Enable(bar, Cmd::kSamplerSettings,
           state.canEditSamplerSettings && (state.midiAvailable || state.scsiAvailable));
    Enable(bar, Cmd::kReceive, state.canReceive);
    AddSamplerList(bar, state);
    AddRecentDocuments(bar, state);

    if (state.documentCount == 0) {
        Check(bar, Cmd::kPitchToNewTempo, state.defaultPitchToNewTempo);
        Check(bar, Cmd::kTransmitAsOneSample, !state.defaultSeparateSamples);
        Check(bar, Cmd::kNormalize, state.defaultNormalize);
        Check(bar, Cmd::kSilenceSelected, state.defaultSilenceSelected);
    }

    const bool anyShown = state.visibleNormalDocuments > 0;
    Enable(bar, Cmd::kCascade, anyShown);
    Enable(bar, Cmd::kTileHorizontally, anyShown);
    Enable(bar, Cmd::kTileVertically, anyShown);
    Enable(bar, Cmd::kCloseAll, state.documentCount > 0);
    Enable(bar, Cmd::kResizeToDocuments, !state.frameMaximized && anyShown && !state.anyDocumentMaximized);

    Enable(bar, Cmd::kContents, true);
    Enable(bar, Cmd::kSystemInformation, state.canShowSystemInformation);
    Enable(bar, Cmd::kAbout, true);
    for (std::uint32_t web : {Cmd::kMakerHomePage, Cmd::kDistributorHomePage, Cmd::kDownloadLoops, Cmd::kTechInfo})
        Enable(bar, web, state.browserInstalled);
}

void CMenuUpdater::Enable(CMenuBar& bar, std::uint32_t command, bool enabled)
{
    if (const auto where = bar.FindCommand(command))
        where->menu->SetEnabled(where->index, enabled);
}

void CMenuUpdater::Check(CMenuBar& bar, std::uint32_t command, bool checked)
{
    if (const auto where = bar.FindCommand(command))
        where->menu->SetChecked(where->index, checked);
}

void CMenuUpdater::AddSamplerList(CMenuBar& bar, const MenuState& state)
{
    const auto transmit = bar.FindCommand(Cmd::kTransmit);
    if (!transmit)
        return;
    const std::size_t count = std::min<std::size_t>(state.installedSamplers.size(), Cmd::kMaxListedSamplers);
    const std::size_t selected = state.selectedSampler == 65535 ? 0 : state.selectedSampler;

    // The Transmit item names its target.
    MenuItemRecord record = transmit->menu->Record(transmit->index);
    record.label = state.transmitLabel.substr(0, MenuItemRecord::kMaxLabelLength);
    transmit->menu->RemoveItem(transmit->index);
    transmit->menu->InsertRecord(transmit->index, record);

    if (count == 0)
        return;
    // The Transmit-target submenu: one item per installed sampler.
    MenuItemRecord targets;
    targets.kind = kMenuItemSubmenu;
    targets.temporary = true;
    targets.label = GetResourceString(Res::kStringTransmitTo);
    targets.submenu = std::make_shared<CMenu>();
    for (std::size_t i = 0; i < count; ++i) {
        MenuItemRecord item;
        item.command = Cmd::kFirstSamplerSelection + static_cast<std::uint32_t>(i);
        item.label = state.installedSamplers[i].substr(0, MenuItemRecord::kMaxLabelLength);
        item.checked = i == selected;
        targets.submenu->AppendRecord(item);
    }
    CMenu& menu = *transmit->menu;
    menu.AppendRecord(TemporarySeparator());
    menu.AppendRecord(std::move(targets));
}

void CMenuUpdater::AddOpenRecentMenu(CMenuBar& bar, const std::string& label)
{
    const auto open = bar.FindCommand(Cmd::kOpen);
    if (!open)
        return;
    MenuItemRecord recent;
    recent.kind = kMenuItemSubmenu;
    recent.disabled = true;
    recent.command = Cmd::kOpenRecent;
    recent.label = label;
    recent.mnemonic = 't';
    recent.submenu = std::make_shared<CMenu>();
    open->menu->InsertRecord(open->index + 1, std::move(recent));
}

void CMenuUpdater::AddRecentDocuments(CMenuBar& bar, const MenuState& state)
{
    const auto recent = bar.FindCommand(Cmd::kOpenRecent);
    if (!recent)
        return;
    CMenu& list = *recent->menu->Submenu(recent->index);
    const std::size_t count = std::min<std::size_t>(state.recentDocuments.size(),
                                                    Cmd::kLastRecentDocument - Cmd::kFirstRecentDocument + 1);
    for (std::size_t i = 0; i < count; ++i) {
        MenuItemRecord item;
        item.temporary = true;
        item.disabled = !state.canOpen;
        item.command = Cmd::kFirstRecentDocument + static_cast<std::uint32_t>(i);
        item.mnemonic = static_cast<char>('1' + i);
        item.label = std::to_string(i + 1) + ' ' + state.recentDocuments[i];
        list.AppendRecord(std::move(item));
    }
    recent->menu->SetEnabled(recent->index, state.canOpen && count > 0);
}
