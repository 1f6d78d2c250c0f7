#pragma once
// A progress presenter that records what it shows, installed while it lives.
// Its windows notice a press of their button at their next refresh.
#include <memory>
#include <string>

#include "framework/exceptions/XBase.h"
#include "framework/progress/CABCProgressPresenter.h"

struct RecordedWindow : CABCProgressWindow {
    void Refresh(const std::string& title, std::int32_t value, std::uint16_t percent) override
    {
        if (pressed)
            cancelled = true;
        lastTitle = title;
        lastValue = value;
        lastPercent = percent;
        ++refreshes;
    }
    void ProcessEvents() override { ++eventPasses; }
    bool Cancelled() const override { return cancelled; }

    bool pressed = false;
    bool cancelled = false;
    std::string lastTitle;
    std::int32_t lastValue = -1;
    std::uint16_t lastPercent = 0;
    int refreshes = 0;
    int eventPasses = 0;
};

class RecordingPresenter : public CABCProgressPresenter {
public:
    RecordingPresenter() : previous_(Install(this)) {}
    ~RecordingPresenter() override { Install(previous_); }

    void SetWaitCursor() override { ++waitCursors; }
    void SetArrowCursor() override {}
    std::unique_ptr<CABCProgressWindow> CreateProgressWindow(const std::string&, const std::string& button,
                                                             std::int32_t, std::uint16_t) override
    {
        if (failCreation)
            throw XBase();
        ++windowsMade;
        buttonText = button;
        auto made = std::make_unique<RecordedWindow>();
        made->pressed = pressAtOnce;
        window = made.get();
        return made;
    }
    void Beep() override { ++beeps; }

    bool failCreation = false;
    bool pressAtOnce = false;  // windows come with their button pressed
    int waitCursors = 0;
    int windowsMade = 0;
    int beeps = 0;
    std::string buttonText;
    RecordedWindow* window = nullptr;

private:
    CABCProgressPresenter* previous_;
};
