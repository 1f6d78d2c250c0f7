#pragma once
// A fault the simulated bus injects instead of, or on top of, a target's answer.
#include <cstdint>

struct SimulatedSCSIFault {
    enum class Kind {
        kBusy,            // target status busy
        kNotReady,        // check condition, sense key 2 (not ready), becoming ready
        kCheckCondition,  // check condition with `senseKey`
        kTimeOut,         // no answer: the device's time-out passes, then "timed out"
        kAbsent,          // the ID does not answer selection
        kShortTransfer,   // the target answers but `missingBytes` fewer bytes move
    };

    Kind kind = Kind::kBusy;
    std::uint8_t senseKey = 0;
    std::uint32_t missingBytes = 0;
};
