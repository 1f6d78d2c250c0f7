#pragma once
// One word shared by the user-interface thread and the audio thread. The
// audio side only ever tries it; the user-interface side may wait for it,
// sleeping 2 ms between attempts on the program's clock.
#include <atomic>
#include <cstdint>

class CSpinLock {
public:
    bool TryLock() { return fWord.exchange(1, std::memory_order_acquire) == 0; }
    void Lock();
    void Unlock() { fWord.store(0, std::memory_order_release); }

private:
    std::atomic<std::uint32_t> fWord{0};
};
