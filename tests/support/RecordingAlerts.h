#pragma once
// An alert presenter that notes every alert and gives one set answer;
// installed while it lives.
#include <vector>

#include "framework/alerts/CABCAlertPresenter.h"

class RecordingAlerts : public CABCAlertPresenter {
public:
    explicit RecordingAlerts(std::int32_t given = kAlertButtonSlot0) : answer(given), previous_(Install(this)) {}
    ~RecordingAlerts() override { Install(previous_); }
    std::int32_t Present(const AlertDefinition& alert) override
    {
        shown.push_back(alert);
        return answer;
    }

    std::int32_t answer;
    std::vector<AlertDefinition> shown;

private:
    CABCAlertPresenter* previous_;
};
