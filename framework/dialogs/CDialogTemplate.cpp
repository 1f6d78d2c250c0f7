#include "framework/dialogs/CDialogTemplate.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "framework/exceptions/Exceptions.h"
#include "resources/EmbeddedResources.h"

namespace {

constexpr int kMaxUnits = 32767;

struct Token {
    std::string text;
    bool quoted = false;
};

std::vector<Token> Tokenize(std::string_view line)
{
    std::vector<Token> tokens;
    std::size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
        } else if (c == '"') {
            Token token{{}, true};
            ++i;
            for (;;) {
                if (i >= line.size())
                    throw XBadFormat();  // unterminated text
                if (line[i] == '"')
                    break;
                if (line[i] == '\\') {
                    if (++i >= line.size())
                        throw XBadFormat();
                }
                token.text += line[i++];
            }
            ++i;
            tokens.push_back(std::move(token));
        } else {
            const std::size_t end = line.find_first_of(" \t\r\"", i);
            const std::size_t stop = end == std::string_view::npos ? line.size() : end;
            tokens.push_back({std::string(line.substr(i, stop - i)), false});
            i = stop;
        }
    }
    return tokens;
}

int Number(const Token& token, int low, int high)
{
    int value = 0;
    const char* first = token.text.data();
    const char* last = first + token.text.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (token.quoted || error != std::errc() || end != last || value < low || value > high)
        throw XBadFormat();
    return value;
}

const std::string& Text(const Token& token)
{
    if (!token.quoted)
        throw XBadFormat();
    return token.text;
}

std::optional<DialogItemKind> KindNamed(const std::string& word)
{
    static const std::pair<const char*, DialogItemKind> kinds[] = {
        {"pushbutton", DialogItemKind::kPushButton}, {"radiobutton", DialogItemKind::kRadioButton},
        {"combobox", DialogItemKind::kComboBox},     {"groupbox", DialogItemKind::kGroupBox},
        {"checkbox", DialogItemKind::kCheckBox},     {"static", DialogItemKind::kStaticText},
        {"edit", DialogItemKind::kEdit},             {"control", DialogItemKind::kClassNamed},
        {"frame", DialogItemKind::kBlackFrame},      {"icon", DialogItemKind::kIcon},
        {"scrollbar", DialogItemKind::kScrollBar},
    };
    for (const auto& [name, kind] : kinds)
        if (word == name)
            return kind;
    return std::nullopt;
}

CDialogTemplate::Item ParseItem(const std::vector<Token>& tokens)
{
    if (tokens.size() < 7)
        throw XBadFormat();
    CDialogTemplate::Item item;
    item.id = static_cast<std::uint16_t>(Number(tokens[1], 0, 65535));
    const auto kind = tokens[2].quoted ? std::nullopt : KindNamed(tokens[2].text);
    if (!kind)
        throw XBadFormat();
    item.kind = *kind;
    item.x = Number(tokens[3], -kMaxUnits, kMaxUnits);
    item.y = Number(tokens[4], -kMaxUnits, kMaxUnits);
    item.width = Number(tokens[5], 0, kMaxUnits);
    item.height = Number(tokens[6], 0, kMaxUnits);
    std::size_t i = 7;
    if (i < tokens.size() && tokens[i].quoted)
        item.text = tokens[i++].text.substr(0, DialogItemRecord::kMaxTextLength);
    while (i < tokens.size()) {
        if (tokens[i].quoted)
            throw XBadFormat();
        if (tokens[i].text == "disabled") {
            item.enabled = false;
            ++i;
        } else if (tokens[i].text == "class" && i + 1 < tokens.size()) {
            item.className = Text(tokens[i + 1]);
            i += 2;
        } else {
            throw XBadFormat();
        }
    }
    if (item.kind == DialogItemKind::kClassNamed && item.className.empty())
        throw XBadFormat();
    return item;
}

}  // namespace

CDialogTemplate CDialogTemplate::Parse(std::string_view text)
{
    CDialogTemplate result;
    bool sized = false;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t newline = text.find('\n', start);
        const std::size_t stop = newline == std::string_view::npos ? text.size() : newline;
        const std::string_view line = text.substr(start, stop - start);
        start = stop + 1;

        const std::size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string_view::npos || line[first] == '#')
            continue;
        const std::vector<Token> tokens = Tokenize(line);
        const std::string& keyword = tokens[0].text;
        if (tokens[0].quoted)
            throw XBadFormat();
        if (keyword == "size" && tokens.size() == 3) {
            result.fWidth = Number(tokens[1], 0, kMaxUnits);
            result.fHeight = Number(tokens[2], 0, kMaxUnits);
            sized = true;
        } else if (keyword == "title" && tokens.size() == 2) {
            result.fTitle = Text(tokens[1]);
        } else if (keyword == "font" && tokens.size() == 3) {
            result.fPointSize = Number(tokens[1], 1, 144);
            result.fFontName = Text(tokens[2]);
        } else if (keyword == "item") {
            Item item = ParseItem(tokens);
            const bool taken = std::any_of(result.fItems.begin(), result.fItems.end(),
                                           [&](const Item& other) { return other.id == item.id; });
            if (taken)
                throw XBadFormat();
            result.fItems.push_back(std::move(item));
        } else {
            throw XBadFormat();
        }
    }
    if (!sized)
        throw XBadFormat();
    return result;
}

CDialogTemplate CDialogTemplate::Load(std::uint16_t number)
{
    for (std::size_t i = 0; i < kEmbeddedResourceCount; ++i) {
        const EmbeddedResource& resource = kEmbeddedResources[i];
        if (resource.number == number && std::string_view(resource.type) == "DLG")
            return Parse({reinterpret_cast<const char*>(resource.data), resource.size});
    }
    throw XNotFound();
}

std::string CDialogTemplate::WindowTitle(std::string_view applicationName) const
{
    return fTitle.empty() ? std::string(applicationName) : fTitle;
}

std::vector<DialogItemRecord> CDialogTemplate::ItemRecords(const CDialogUnits& units) const
{
    std::vector<DialogItemRecord> records;
    records.reserve(fItems.size());
    for (const Item& item : fItems) {
        DialogItemRecord record;
        record.frame.left = units.ToPixelsX(item.x);
        record.frame.top = units.ToPixelsY(item.y);
        record.frame.right = units.ToPixelsX(item.x + item.width);
        record.frame.bottom = units.ToPixelsY(item.y + item.height);
        record.id = item.id;
        record.enabled = item.enabled;
        record.kind = item.kind;
        record.text = item.text;
        record.className = item.className;
        records.push_back(std::move(record));
    }
    return records;
}
