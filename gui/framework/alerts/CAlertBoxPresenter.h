#pragma once
// Answers alerts with the alert box on screen.
#include "framework/alerts/CABCAlertPresenter.h"

class CAlertBoxPresenter : public CABCAlertPresenter {
public:
    std::int32_t Present(const AlertDefinition& alert) override;
};
