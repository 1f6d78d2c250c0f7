#pragma once
// The application's main loop over Qt's event loop, its state and its idle
// processing. Idle runs from a zero-interval timer while the fast-idle count
// is above 0 (playback, mouse tracking), otherwise every idle interval.
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>

class QApplication;
class QEventLoop;
class QTimer;

class CLowLevelApplication {
public:
    enum class State { kConstructed, kInitialised, kRunning, kQuitRequested, kEnded };

    static constexpr int kDefaultIdleInterval = 100;  // milliseconds

    explicit CLowLevelApplication(std::string name);
    virtual ~CLowLevelApplication();
    CLowLevelApplication(const CLowLevelApplication&) = delete;
    CLowLevelApplication& operator=(const CLowLevelApplication&) = delete;

    // The one application object, or nullptr.
    static CLowLevelApplication* Current() { return sCurrent; }
    // The application's name ("Quillet" unless an application says otherwise).
    static std::string Name();

    // Initialise, run the loop until the state is ended, shut down.
    virtual int Run();

    virtual void Idle();
    virtual void Initialise() {}
    virtual void ShutDown() {}
    virtual void Deactivated() {}
    virtual void Activated() {}
    // A failure escaped an event handler: tell the user (not enough memory,
    // or the internal-error alert). Without an application, ReportFailure drops it.
    virtual void HandleFailure(std::exception_ptr failure);
    static void ReportFailure(std::exception_ptr failure);
    // Runs `work` from an event of the window system; a failure is reported
    // instead of unwinding through Qt.
    static void RunGuarded(const std::function<void()>& work);

    State GetState() const { return fState; }
    // Quit asked for: after the current event, the loop closes every window
    // (CanEnd) and ends if that succeeds.
    void RequestQuit();

    // The fast-idle count is process-wide: views track the mouse before an
    // application exists in tests, and devices raise it from their own code.
    static void RaiseFastIdleOfCurrent();
    static void LowerFastIdleOfCurrent();
    static int FastIdleCount() { return sFastIdleCount; }
    void SetIdleInterval(int milliseconds);
    int IdleInterval() const { return fIdleInterval; }

protected:
    // Whether the loop may end now (CApplication closes its windows here).
    virtual bool CanEnd() { return true; }
    // Runs between Initialise and the loop (opening the first documents).
    virtual void StartUp() {}
    void SetState(State state) { fState = state; }

private:
    void UpdateIdleTimer();
    void ProcessQuitRequest();

    static CLowLevelApplication* sCurrent;
    static int sFastIdleCount;
    static std::string sName;

    std::unique_ptr<QApplication> fOwnedQt;
    std::unique_ptr<QTimer> fIdleTimer;
    QEventLoop* fLoop = nullptr;
    State fState = State::kConstructed;
    int fIdleInterval = kDefaultIdleInterval;
};
