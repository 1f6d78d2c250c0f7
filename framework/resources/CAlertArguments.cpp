#include "framework/resources/CAlertArguments.h"

void CAlertArguments::Add(std::string_view text)
{
    if (fArguments.size() >= kMaxArguments)
        return;
    std::string cleaned(text.substr(0, kMaxLength));
    for (char& c : cleaned) {
        if (c == '[')
            c = '(';
        else if (c == ']')
            c = ')';
        else if (c == '^')
            c = '~';
    }
    fArguments.push_back(std::move(cleaned));
}

std::string CAlertArguments::Substitute(std::string_view script) const
{
    std::string result(script);
    for (std::size_t n = 0; n < fArguments.size(); ++n) {
        const std::string marker = "^" + std::to_string(n);
        const std::size_t at = result.find(marker);
        if (at != std::string::npos)
            result.replace(at, marker.size(), fArguments[n]);
    }
    return result;
}
