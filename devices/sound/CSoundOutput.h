#pragma once
// The part of a channel that hands queued frames to a device (or a stand-in).
// It only consumes what the channel's feeder queued; the feeder keeps the
// queue topped up and paces itself through Pace.
#include <cstdint>

class CSoundQueue;
class CStopSignal;

class CSoundOutput {
public:
    virtual ~CSoundOutput() = default;

    // Begins consuming `queue`, which stays valid until Stop returns.
    virtual void Start(CSoundQueue& queue) = 0;
    // Stops consuming; when it returns the queue is no longer touched.
    virtual void Stop() = 0;
    // The feeder's wait between two services: answers false once `stop` is
    // set. Real outputs wait in real time.
    virtual bool Pace(std::uint32_t milliseconds, CStopSignal& stop);
};
