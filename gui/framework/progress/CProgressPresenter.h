#pragma once
// Shows lengthy operations on screen: the wait cursor, the progress window and
// the beep. The application installs one while it runs.
#include "framework/progress/CABCProgressPresenter.h"

class CProgressPresenter : public CABCProgressPresenter {
public:
    ~CProgressPresenter() override;

    void SetWaitCursor() override;
    void SetArrowCursor() override;
    std::unique_ptr<CABCProgressWindow> CreateProgressWindow(const std::string& title,
                                                             const std::string& buttonText,
                                                             std::int32_t value,
                                                             std::uint16_t percent) override;
    void Beep() override;

    bool ShowsWaitCursor() const { return fWaitCursor; }

private:
    bool fWaitCursor = false;
};
