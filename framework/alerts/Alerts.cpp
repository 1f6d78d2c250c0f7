#include "framework/alerts/Alerts.h"

#include <algorithm>

#include "framework/alerts/CABCAlertPresenter.h"
#include "framework/resources/ResourceScripts.h"

namespace {
CABCAlertPresenter* gPresenter = nullptr;
}

CABCAlertPresenter* CABCAlertPresenter::Current()
{
    return gPresenter;
}

CABCAlertPresenter* CABCAlertPresenter::Install(CABCAlertPresenter* presenter)
{
    CABCAlertPresenter* previous = gPresenter;
    gPresenter = presenter;
    return previous;
}

std::int32_t ShowAlert(ResourceId id)
{
    return ShowAlertDefinition(ParseAlertScript(GetAlertScript(id)));
}

std::int32_t ShowAlertWithArgument(ResourceId id, std::string_view text)
{
    return ShowAlertWithArguments(id, CAlertArguments(text));
}

std::int32_t ShowAlertWithArguments(ResourceId id, const CAlertArguments& arguments)
{
    return ShowAlertDefinition(ParseAlertScript(GetAlertScript(id), arguments));
}

std::int32_t ShowAlertText(std::string_view script)
{
    return ShowAlertDefinition(ParseAlertScript(script));
}

std::int32_t ShowAlertDefinition(const AlertDefinition& alert)
{
    if (!gPresenter)
        return AlertCloseAnswer(alert);
    return gPresenter->Present(alert);
}

std::string AlertLine(ResourceId id, const CAlertArguments& arguments)
{
    const AlertDefinition definition = ParseAlertScript(GetAlertScript(id), arguments);
    std::string text = definition.title.empty() ? definition.message : definition.title + " " + definition.message;
    std::replace(text.begin(), text.end(), '\r', ' ');
    return text;
}

std::int32_t AlertCloseAnswer(const AlertDefinition& alert)
{
    const std::size_t count = std::min<std::size_t>(alert.buttonCount, AlertDefinition::kMaxButtons);
    for (std::size_t slot = 0; slot < count; ++slot)
        if (alert.buttons[slot] == "Cancel")
            return kAlertButtonSlot0 + static_cast<std::int32_t>(slot);
    return kAlertButtonSlot0;
}
