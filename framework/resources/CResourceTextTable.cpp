#include "framework/resources/CResourceTextTable.h"

#include <cctype>

namespace {

constexpr std::size_t kMaxDigits = 10;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

enum class State { Outside, Number, AfterBrace, Skip, Text };

}  // namespace

CResourceTextTable::CResourceTextTable(std::string_view type, std::uint16_t number, std::string_view script)
    : fType(type), fNumber(number)
{
    Parse(script);
}

bool CResourceTextTable::Is(std::string_view type, std::uint16_t number) const
{
    return number == fNumber && SameType(type, fType);
}

bool CResourceTextTable::SameType(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

const std::optional<std::string>& CResourceTextTable::Entry(std::size_t index) const
{
    static const std::optional<std::string> kNone;
    return index < kSlotCount ? fSlots[index] : kNone;
}

// The number buffer is deliberately kept after an entry is stored: a braced
// text with no number in front of it is filed under the previous number.
void CResourceTextTable::Parse(std::string_view script)
{
    State state = State::Outside;
    std::string digits;
    std::string text;
    for (std::size_t i = 0; i < script.size(); ++i) {
        const char c = script[i];
        switch (state) {
        case State::Outside:
            if (c == '{') {
                state = State::AfterBrace;
            } else if (IsDigit(c)) {
                digits.assign(1, c);
                state = State::Number;
            }
            break;
        case State::Number:
            if (IsDigit(c)) {
                if (digits.size() < kMaxDigits)
                    digits.push_back(c);
                else
                    state = State::Outside;
            } else {
                state = c == '{' ? State::AfterBrace : State::Outside;
            }
            break;
        case State::AfterBrace:
            if (c == '{' || digits.empty()) {
                state = State::Skip;
            } else {
                text.assign(1, c);
                state = State::Text;
            }
            break;
        case State::Skip:
            if (c == '}')
                state = State::Outside;
            break;
        case State::Text:
            if (c == '}') {
                Store(digits, std::move(text));
                text.clear();
                state = State::Outside;
            } else if (c == '\t' || c == '\n' || c == '\r') {
                // Entries may be laid out over several lines.
            } else if (c == '\\') {
                if (i + 1 < script.size() && script[++i] == 'r' && text.size() < kMaxEntryLength)
                    text.push_back('\r');
            } else if (text.size() < kMaxEntryLength) {
                text.push_back(c);
            }
            break;
        }
    }
    // An entry still open at the end of the script has no closing brace and is dropped.
}

void CResourceTextTable::Store(std::string_view digits, std::string text)
{
    std::uint64_t value = 0;
    for (char d : digits)
        value = value * 10 + static_cast<std::uint64_t>(d - '0');
    // Numbers beyond the table are not entries; they are dropped rather than
    // written past the last slot.
    if (value >= kSlotCount)
        return;
    auto& slot = fSlots[static_cast<std::size_t>(value)];
    if (!slot)
        slot = std::move(text);
}
