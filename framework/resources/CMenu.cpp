#include "framework/resources/CMenu.h"

#include <algorithm>

#include "framework/exceptions/Exceptions.h"
#include "framework/resources/ResourceScripts.h"

namespace {

constexpr std::size_t kMaxNumberDigits = 10;

std::vector<std::string_view> Segments(std::string_view script)
{
    std::vector<std::string_view> segments;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = script.find(';', start);
        std::string_view segment = script.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        const std::size_t first = segment.find_first_not_of(' ');
        segments.push_back(first == std::string_view::npos ? std::string_view() : segment.substr(first));
        if (end == std::string_view::npos)
            return segments;
        start = end + 1;
    }
}

// The character after the first `marker` of the segment, or 0.
char CharacterAfter(std::string_view segment, char marker)
{
    const std::size_t at = segment.find(marker);
    return at != std::string_view::npos && at + 1 < segment.size() ? segment[at + 1] : 0;
}

// The decimal number after the first `marker` of the segment, or 0.
std::uint32_t NumberAfter(std::string_view segment, char marker)
{
    const std::size_t at = segment.find(marker);
    std::uint64_t value = 0;
    if (at == std::string_view::npos)
        return 0;
    for (std::size_t i = at + 1, digits = 0; i < segment.size() && digits < kMaxNumberDigits; ++i, ++digits) {
        const char c = segment[i];
        if (c < '0' || c > '9')
            break;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    return static_cast<std::uint32_t>(value);
}

std::string_view Before(std::string_view segment, std::string_view stops)
{
    return segment.substr(0, segment.find_first_of(stops));
}

MenuItemRecord ItemOfSegment(std::string_view segment)
{
    MenuItemRecord record;
    record.label = std::string(Before(segment, "#=?~").substr(0, MenuItemRecord::kMaxLabelLength));
    if (record.label == "-") {
        record.kind = kMenuItemSeparator;
        record.label.clear();
        return record;
    }
    record.kind = kMenuItemCommand;
    record.disabled = true;
    record.shortcut = CharacterAfter(segment, '#');
    record.command = NumberAfter(segment, '=');
    record.helpId = NumberAfter(segment, '?');
    record.mnemonic = CharacterAfter(segment, '~');
    return record;
}

}  // namespace

CMenu::CMenu() : fTitle("Untitled") {}

CMenu::CMenu(ResourceId id) { ReadScript(GetMenuScript(id)); }

std::shared_ptr<CMenu> CMenu::FromScript(std::string_view script)
{
    auto menu = std::make_shared<CMenu>();
    menu->fTitle.clear();
    menu->ReadScript(script);
    return menu;
}

void CMenu::ReadScript(std::string_view script)
{
    const std::vector<std::string_view> segments = Segments(script);
    const std::string_view head = segments.front();
    fTitle = std::string(Before(head, "?~").substr(0, kMaxTitleLength));
    fMnemonic = CharacterAfter(head, '~');
    fHelpId = NumberAfter(head, '?');
    for (std::size_t i = 1; i < segments.size(); ++i)
        fRecords.push_back(ItemOfSegment(segments[i]));
}

void CMenu::CheckIndex(std::size_t index) const
{
    if (index >= fRecords.size())
        throw XInternalError();
}

MenuItemRecord CMenu::Record(std::size_t index) const
{
    CheckIndex(index);
    return fRecords[index];
}

std::shared_ptr<CMenu> CMenu::Submenu(std::size_t index) const { return Record(index).submenu; }

void CMenu::InsertRecord(std::size_t index, MenuItemRecord record)
{
    record.label.resize(std::min(record.label.size(), MenuItemRecord::kMaxLabelLength));
    fRecords.insert(fRecords.begin() + static_cast<std::ptrdiff_t>(std::min(index, fRecords.size())), std::move(record));
}

void CMenu::AppendRecord(MenuItemRecord record) { InsertRecord(fRecords.size(), std::move(record)); }

void CMenu::AppendCommand(std::string_view label, std::uint32_t command)
{
    MenuItemRecord record;
    record.label = std::string(label);
    record.command = command;
    AppendRecord(std::move(record));
}

void CMenu::RemoveItem(std::size_t index)
{
    CheckIndex(index);
    fRecords.erase(fRecords.begin() + static_cast<std::ptrdiff_t>(index));
}

void CMenu::SetEnabled(std::size_t index, bool enabled)
{
    CheckIndex(index);
    fRecords[index].disabled = !enabled;
}

void CMenu::SetChecked(std::size_t index, bool checked)
{
    CheckIndex(index);
    fRecords[index].checked = checked;
}

std::optional<MenuItemLocation> CMenu::FindCommand(std::uint32_t command)
{
    for (std::size_t i = 0; i < fRecords.size(); ++i) {
        MenuItemRecord& record = fRecords[i];
        if (record.kind != kMenuItemSeparator && record.command == command)
            return MenuItemLocation{this, i};
        if (record.submenu) {
            if (auto found = record.submenu->FindCommand(command))
                return found;
        }
    }
    return std::nullopt;
}

MenuItemLocation CMenu::FindShortcut(char key)
{
    for (std::size_t i = 0; i < fRecords.size(); ++i) {
        MenuItemRecord& record = fRecords[i];
        if (record.shortcut != 0 && record.shortcut == key)
            return {this, i};
        if (record.submenu) {
            const MenuItemLocation found = record.submenu->FindShortcut(key);
            if (found.menu)
                return found;
        }
    }
    return {nullptr, kNotFound};
}

void CMenu::Reset()
{
    for (MenuItemRecord& record : fRecords) {
        record.disabled = true;
        record.checked = false;
        if (record.submenu)
            record.submenu->Reset();
    }
    std::erase_if(fRecords, [](const MenuItemRecord& record) { return record.temporary; });
}

bool CMenu::FillWindowList(const std::vector<WindowListEntry>& windows)
{
    bool added = false;
    for (const WindowListEntry& window : windows) {
        if (!window.isDocument || !window.wantsListing || window.title.empty())
            continue;
        MenuItemRecord record;
        record.temporary = true;
        record.command = kWindowListFirstCommand + window.index;
        record.checked = window.isFront;
        record.label = window.title.size() > kMaxWindowTitle ? window.title.substr(0, kCutWindowTitle) + "..." : window.title;
        AppendRecord(std::move(record));
        added = true;
    }
    return added;
}

std::string CMenu::NativeItemText(const MenuItemRecord& record)
{
    if (record.kind == kMenuItemSeparator)
        return {};
    std::string text = MarkMnemonic(record.label, record.mnemonic);
    if (record.shortcut != 0)
        text += std::string("\tCtrl+") + record.shortcut;
    return text;
}

std::string CMenu::NativeTitleText() const { return MarkMnemonic(fTitle, fMnemonic); }

// Doubles every "&", then puts "&" before the mnemonic: its first occurrence
// at the start of a word, failing that its first occurrence anywhere.
std::string CMenu::MarkMnemonic(std::string_view label, char mnemonic)
{
    std::string text;
    for (char c : label) {
        text.push_back(c);
        if (c == '&')
            text.push_back('&');
    }
    if (mnemonic == 0)
        return text;
    std::size_t at = std::string::npos;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == mnemonic && (i == 0 || text[i - 1] == ' ')) {
            at = i;
            break;
        }
    }
    if (at == std::string::npos)
        at = text.find(mnemonic);
    if (at != std::string::npos)
        text.insert(at, 1, '&');
    return text;
}
