#pragma once
// A manual-reset event that a feeder thread waits on between services.
#include <condition_variable>
#include <cstdint>
#include <mutex>

class CStopSignal {
public:
    void Set();
    void Reset();
    bool IsSet() const;
    // Waits up to `milliseconds` of real time; answers true when the signal is set.
    bool WaitFor(std::uint32_t milliseconds);

private:
    mutable std::mutex fMutex;
    std::condition_variable fChanged;
    bool fSet = false;
};
