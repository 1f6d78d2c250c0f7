#include "cli/CCliAlertPrinter.h"

#include <algorithm>

#include "framework/alerts/Alerts.h"

CCliAlertPrinter::CCliAlertPrinter(std::string prefix, std::ostream& errors)
    : fPrefix(std::move(prefix)), fErrors(errors), fPrevious(Install(this))
{
}

CCliAlertPrinter::~CCliAlertPrinter()
{
    Install(fPrevious);
}

std::int32_t CCliAlertPrinter::Present(const AlertDefinition& alert)
{
    std::string text = alert.title.empty() ? alert.message : alert.title + " " + alert.message;
    std::replace(text.begin(), text.end(), '\r', ' ');
    fErrors << fPrefix << text << '\n';
    return AlertCloseAnswer(alert);
}
