#pragma once
// Alerts of the batch tool: each is one line on the error stream, prefixed
// with the command, and answered as closing its box would. Installed while
// it lives.
#include <ostream>
#include <string>

#include "framework/alerts/CABCAlertPresenter.h"

class CCliAlertPrinter : public CABCAlertPresenter {
public:
    CCliAlertPrinter(std::string prefix, std::ostream& errors);
    ~CCliAlertPrinter() override;
    CCliAlertPrinter(const CCliAlertPrinter&) = delete;
    CCliAlertPrinter& operator=(const CCliAlertPrinter&) = delete;

    std::int32_t Present(const AlertDefinition& alert) override;

private:
    std::string fPrefix;
    std::ostream& fErrors;
    CABCAlertPresenter* fPrevious;
};
