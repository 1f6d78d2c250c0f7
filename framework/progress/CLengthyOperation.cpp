#include "framework/progress/CLengthyOperation.h"

#include <utility>

#include "framework/exceptions/Exceptions.h"
#include "framework/progress/CABCProgressPresenter.h"
#include "framework/resources/ResourceScripts.h"
#include "framework/time/CClock.h"

std::atomic<int> CLengthyOperation::sRunning{0};

CLengthyOperation::CLengthyOperation(std::string title, std::string buttonText)
    : fClock(CClock::Current()),
      fStart(fClock.Ticks()),
      fLastCursorRefresh(fStart),
      fLastWindowService(fStart),
      fTitle(std::move(title)),
      fButtonText(std::move(buttonText))
{
    ++sRunning;
}

CLengthyOperation::CLengthyOperation(ResourceId titleId, std::int64_t buttonId)
    : CLengthyOperation(GetResourceString(titleId),
                        buttonId == kNoButtonText ? std::string()
                                                  : GetResourceString(static_cast<ResourceId>(buttonId)))
{
}

CLengthyOperation::~CLengthyOperation()
{
    fWindow.reset();
    if (CABCProgressPresenter* presenter = CABCProgressPresenter::Current())
        presenter->SetArrowCursor();
    --sRunning;
}

void CLengthyOperation::Update(std::int32_t value, std::uint16_t percent)
{
    const std::int64_t now = fClock.Ticks();
    fValue = value;
    fPercent = percent;

    CABCProgressPresenter* presenter = CABCProgressPresenter::Current();
    if (presenter) {
        if (fWindow || now - fStart < kWaitCursorTicks) {
            presenter->SetArrowCursor();
        } else if (now - fLastCursorRefresh >= kServiceTicks) {
            presenter->SetWaitCursor();
            fLastCursorRefresh = now;
        }
    }

    if (!fServedOnce || now - fLastWindowService >= kServiceTicks) {
        fServedOnce = true;
        fLastWindowService = now;
        ServiceWindow(now);
    }
}

void CLengthyOperation::ServiceWindow(std::int64_t now)
{
    CABCProgressPresenter* presenter = CABCProgressPresenter::Current();
    const bool due = fShowNow || (fMayShow && now - fStart >= kShowWindowTicks);
    if (!fWindow && presenter && due) {
        try {
            fWindow = presenter->CreateProgressWindow(fTitle, fButtonText, fValue, fPercent);
        } catch (const XBase&) {
            // The work goes on without a window; do not try again every 0.2 s.
            fShowNow = false;
            fMayShow = false;
        }
    }
    if (fWindow) {
        RefreshWindow();
        fWindow->ProcessEvents();
    }
}

void CLengthyOperation::RefreshWindow()
{
    fWindow->Refresh(fTitle, fValue, fPercent);
}

void CLengthyOperation::SetTitle(std::string title)
{
    fTitle = std::move(title);
    if (fWindow)
        RefreshWindow();
}

void CLengthyOperation::SetTitle(ResourceId titleId)
{
    SetTitle(GetResourceString(titleId));
}

void CLengthyOperation::Finish()
{
    fValue = 0;
    fPercent = 100;
    if (fClock.Ticks() - fStart > kBeepAfterTicks)
        if (CABCProgressPresenter* presenter = CABCProgressPresenter::Current())
            presenter->Beep();
    if (fWindow) {
        // Let the full bar be seen; without a window there is nothing to see.
        RefreshWindow();
        fClock.Sleep(kFinishPauseMilliseconds);
    }
}
