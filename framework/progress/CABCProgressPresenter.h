#pragma once
// The screen side of lengthy operations: cursors, the progress window and the
// beep. The window framework installs one; without it (the batch tool, tests
// without a display) operations run silently and cannot be cancelled.
#include <memory>
#include <string>

#include "framework/progress/CABCProgressWindow.h"

class CABCProgressPresenter {
public:
    virtual ~CABCProgressPresenter() = default;

    virtual void SetWaitCursor() = 0;
    virtual void SetArrowCursor() = 0;
    // Creates, shows and brings to the front a progress window; may raise XBase.
    virtual std::unique_ptr<CABCProgressWindow> CreateProgressWindow(
        const std::string& title, const std::string& buttonText, std::int32_t value,
        std::uint16_t percent) = 0;
    virtual void Beep() = 0;

    // The installed presenter, or nullptr.
    static CABCProgressPresenter* Current();
    // Installs `presenter` (nullptr removes it) and answers the previous one.
    static CABCProgressPresenter* Install(CABCProgressPresenter* presenter);
};
