#pragma once
// Who answers alerts: the window framework installs the alert box; the batch
// tool and tests without a display install their own. Without any presenter an
// alert answers as closing its box would.
#include <cstdint>

#include "framework/resources/AlertDefinition.h"

class CABCAlertPresenter {
public:
    virtual ~CABCAlertPresenter() = default;

    // Shows the parsed alert and answers its button code (33, 34 or 35).
    virtual std::int32_t Present(const AlertDefinition& alert) = 0;

    static CABCAlertPresenter* Current();
    // Installs `presenter` (nullptr removes it) and answers the previous one.
    static CABCAlertPresenter* Install(CABCAlertPresenter* presenter);
};
