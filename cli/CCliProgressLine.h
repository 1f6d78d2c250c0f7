#pragma once
// Lengthy operations of the batch tool on a terminal: one line on the error
// stream that is rewritten with the operation's text, number and percent,
// and ended when the operation is. Installed while it lives, and only when
// the error stream is a terminal; elsewhere operations stay silent.
#include <memory>
#include <ostream>

#include "framework/progress/CABCProgressPresenter.h"

class CCliProgressLine : public CABCProgressPresenter {
public:
    explicit CCliProgressLine(std::ostream& errors);
    ~CCliProgressLine() override;
    CCliProgressLine(const CCliProgressLine&) = delete;
    CCliProgressLine& operator=(const CCliProgressLine&) = delete;

    // Whether standard error is a terminal.
    static bool IsTerminal();

    void SetWaitCursor() override {}
    void SetArrowCursor() override {}
    std::unique_ptr<CABCProgressWindow> CreateProgressWindow(const std::string& title, const std::string& buttonText,
                                                             std::int32_t value, std::uint16_t percent) override;
    void Beep() override {}

private:
    std::ostream& fErrors;
    CABCProgressPresenter* fPrevious;
};
