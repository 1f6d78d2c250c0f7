#include "framework/resources/AlertDefinition.h"

#include <algorithm>
#include <vector>

namespace {

constexpr std::size_t kTagLength = 6;

std::int32_t KindOfTag(std::string_view script)
{
    if (script.size() < kTagLength)
        return kAlertKindNone;
    const std::string_view tag = script.substr(0, kTagLength);
    if (tag == "[STOP]")
        return kAlertKindStop;
    if (tag == "[NOTE]")
        return kAlertKindNote;
    if (tag == "[WARN]")
        return kAlertKindWarning;
    return kAlertKindNone;
}

// The text from `from` up to (not including) the next `stop`, or to the end.
std::string_view RunTo(std::string_view text, std::size_t from, char stop)
{
    const std::size_t end = text.find(stop, from);
    return text.substr(from, end == std::string_view::npos ? std::string_view::npos : end - from);
}

std::string TrimLineBreaks(std::string_view text, std::size_t maxLength)
{
    const std::size_t first = text.find_first_not_of("\r\n");
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of("\r\n");
    return std::string(text.substr(first, last - first + 1).substr(0, maxLength));
}

}  // namespace

AlertDefinition ParseAlertScript(std::string_view script, const CAlertArguments& arguments)
{
    const std::string text = arguments.Substitute(script);
    const std::string_view view(text);
    AlertDefinition alert;
    alert.kind = KindOfTag(view);

    std::size_t at = std::min(kTagLength, view.size());
    if (at < view.size() && view[at] == '[') {
        const std::string_view title = RunTo(view, at + 1, ']');
        alert.title = TrimLineBreaks(title, AlertDefinition::kMaxTextLength);
        at = std::min(view.size(), at + 1 + title.size() + 1);
    }
    const std::string_view message = RunTo(view, at, '[');
    alert.message = TrimLineBreaks(message, AlertDefinition::kMaxTextLength);
    at += message.size();

    std::vector<std::string_view> labels;
    for (std::size_t open = view.find('[', at); open != std::string_view::npos; open = view.find('[', open + 1))
        labels.push_back(RunTo(view, open + 1, ']'));

    const std::size_t count = std::min(labels.size(), AlertDefinition::kMaxButtons);
    alert.buttonCount = static_cast<std::uint16_t>(count);
    for (std::size_t slot = 0; slot < count; ++slot)
        alert.buttons[slot] = std::string(labels[labels.size() - 1 - slot].substr(0, AlertDefinition::kMaxLabelLength));
    return alert;
}
