#include "gui/framework/application/CLowLevelApplication.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include "framework/alerts/Alerts.h"
#include "framework/exceptions/Exceptions.h"

CLowLevelApplication* CLowLevelApplication::sCurrent = nullptr;
int CLowLevelApplication::sFastIdleCount = 0;
std::string CLowLevelApplication::sName = "Quillet";

namespace {
int gArgc = 1;
char gProgramName[] = "quillet";
char* gArgv[] = {gProgramName, nullptr};
}  // namespace

CLowLevelApplication::CLowLevelApplication(std::string name)
{
    if (sCurrent)
        throw XInternalError();  // one application per process
    if (!QCoreApplication::instance())
        fOwnedQt = std::make_unique<QApplication>(gArgc, gArgv);
    sName = std::move(name);
    sCurrent = this;
    fIdleTimer = std::make_unique<QTimer>();
    QObject::connect(fIdleTimer.get(), &QTimer::timeout, [this] { RunGuarded([this] { Idle(); }); });
    UpdateIdleTimer();
}

CLowLevelApplication::~CLowLevelApplication()
{
    fIdleTimer.reset();
    sCurrent = nullptr;
}

std::string CLowLevelApplication::Name()
{
    return sName;
}

int CLowLevelApplication::Run()
{
    Initialise();
    fState = State::kRunning;
    StartUp();
    if (fState != State::kEnded) {
        QEventLoop loop;
        fLoop = &loop;
        loop.exec();
        fLoop = nullptr;
    }
    ShutDown();
    return 0;
}

void CLowLevelApplication::Idle() {}

void CLowLevelApplication::HandleFailure(std::exception_ptr failure)
{
    try {
        std::rethrow_exception(failure);
    } catch (const XOutOfMemory&) {
        ShowAlert(Res::kAlertNotEnoughMemory);
    } catch (...) {
        ShowAlert(Res::kAlertInternalError);
    }
}

void CLowLevelApplication::ReportFailure(std::exception_ptr failure)
{
    if (sCurrent)
        sCurrent->HandleFailure(failure);
}

void CLowLevelApplication::RunGuarded(const std::function<void()>& work)
{
    try {
        work();
    } catch (...) {
        ReportFailure(std::current_exception());
    }
}

void CLowLevelApplication::RequestQuit()
{
    if (fState != State::kRunning)
        return;
    fState = State::kQuitRequested;
    QTimer::singleShot(0, fIdleTimer.get(), [this] { ProcessQuitRequest(); });
}

void CLowLevelApplication::ProcessQuitRequest()
{
    if (fState != State::kQuitRequested)
        return;
    fState = State::kRunning;
    if (CanEnd()) {
        fState = State::kEnded;
        if (fLoop)
            fLoop->quit();
    }
}

void CLowLevelApplication::RaiseFastIdleOfCurrent()
{
    ++sFastIdleCount;
    if (sCurrent)
        sCurrent->UpdateIdleTimer();
}

void CLowLevelApplication::LowerFastIdleOfCurrent()
{
    if (sFastIdleCount > 0)
        --sFastIdleCount;
    if (sCurrent)
        sCurrent->UpdateIdleTimer();
}

void CLowLevelApplication::SetIdleInterval(int milliseconds)
{
    fIdleInterval = milliseconds > 0 ? milliseconds : 1;
    UpdateIdleTimer();
}

void CLowLevelApplication::UpdateIdleTimer()
{
    const int interval = sFastIdleCount > 0 ? 0 : fIdleInterval;
    if (!fIdleTimer->isActive() || fIdleTimer->interval() != interval)
        fIdleTimer->start(interval);
}
