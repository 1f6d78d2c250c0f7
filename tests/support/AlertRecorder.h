#pragma once
// Stands in for the alert box in tests: notes every alert shown as
// "title|message", answers with the codes a test lines up (`otherwise`,
// by default 33, the button written last, after them), and tells whether
// a given alert of the scripts was shown.
#include <algorithm>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "framework/alerts/CABCAlertPresenter.h"
#include "framework/resources/AlertDefinition.h"
#include "framework/resources/ResourceScripts.h"

class AlertRecorder : public CABCAlertPresenter {
public:
    explicit AlertRecorder(std::int32_t given = kAlertButtonSlot0) : otherwise(given), fPrevious(Install(this)) {}
    ~AlertRecorder() override { Install(fPrevious); }
    AlertRecorder(const AlertRecorder&) = delete;
    AlertRecorder& operator=(const AlertRecorder&) = delete;

    std::int32_t Present(const AlertDefinition& alert) override
    {
        shown.push_back(Text(alert));
        if (answers.empty())
            return otherwise;
        const std::int32_t answer = answers.front();
        answers.pop_front();
        return answer;
    }

    // How often alert `id` (with `argument` as ^0) was shown.
    int Count(ResourceId id, std::string_view argument = {}) const
    {
        const CAlertArguments arguments = argument.empty() ? CAlertArguments() : CAlertArguments(argument);
        const std::string expected = Text(ParseAlertScript(GetAlertScript(id), arguments));
        return static_cast<int>(std::count(shown.begin(), shown.end(), expected));
    }
    bool Shown(ResourceId id, std::string_view argument = {}) const { return Count(id, argument) > 0; }
    std::string Title(std::size_t i) const { return shown.at(i).substr(0, shown.at(i).find('|')); }
    std::string Message(std::size_t i) const { return shown.at(i).substr(shown.at(i).find('|') + 1); }

    std::vector<std::string> shown;
    std::deque<std::int32_t> answers;
    std::int32_t otherwise;

private:
    static std::string Text(const AlertDefinition& alert) { return alert.title + "|" + alert.message; }

    CABCAlertPresenter* fPrevious;
};
