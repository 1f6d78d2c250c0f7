#pragma once
// Accompanies work that runs long on the user-interface thread: the worker
// reports progress with Update and polls WasCancelled. Nothing is shown for
// half a second, then the wait cursor, and after 5 s (or at once after ShowNow)
// a progress window with a Stop or Cancel button. While any lengthy operation
// exists, IsRunning() is true and the program starts no other command.
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

#include "framework/progress/CABCProgressWindow.h"
#include "resources/CaravelResources.h"

class CClock;

class CLengthyOperation {
public:
    static constexpr std::int64_t kWaitCursorTicks = 30;    // 0.5 s
    static constexpr std::int64_t kServiceTicks = 12;       // 0.2 s
    static constexpr std::int64_t kShowWindowTicks = 300;   // 5 s
    static constexpr std::int64_t kBeepAfterTicks = 1800;   // 30 s
    static constexpr std::int64_t kFinishPauseMilliseconds = 200;

    static constexpr std::int64_t kNoButtonText = -1;

    // Texts as given; an empty button text leaves the button unlabelled.
    CLengthyOperation(std::string title, std::string buttonText);
    // Texts from the string lists; kNoButtonText gives an empty button text.
    CLengthyOperation(ResourceId titleId, std::int64_t buttonId);
    ~CLengthyOperation();
    CLengthyOperation(const CLengthyOperation&) = delete;
    CLengthyOperation& operator=(const CLengthyOperation&) = delete;

    void ShowNow() { fShowNow = true; }
    void SetMayShow(bool mayShow) { fMayShow = mayShow; }
    void Update(std::int32_t value, std::uint16_t percent);
    // Services the window with the last value and percent, as a wait that
    // has nothing new to show does to see a press of Stop.
    void Refresh() { Update(fValue, fPercent); }
    void SetTitle(std::string title);
    void SetTitle(ResourceId titleId);
    bool WasCancelled() const { return fWindow && fWindow->Cancelled(); }
    void Finish();

    bool HasWindow() const { return fWindow != nullptr; }
    const std::string& Title() const { return fTitle; }

    // True while at least one lengthy operation exists.
    static bool IsRunning() { return sRunning > 0; }

private:
    void ServiceWindow(std::int64_t now);
    void RefreshWindow();

    CClock& fClock;
    std::int64_t fStart;
    std::int64_t fLastCursorRefresh;
    std::int64_t fLastWindowService;
    bool fServedOnce = false;
    std::int32_t fValue = 0;
    std::uint16_t fPercent = 0;
    std::string fTitle;
    std::string fButtonText;
    bool fShowNow = false;
    bool fMayShow = true;
    std::unique_ptr<CABCProgressWindow> fWindow;

    static std::atomic<int> sRunning;
};
