#pragma once
// Where a loopback wire hands over the bytes it carried.
#include <cstddef>
#include <cstdint>

class CABCMIDIByteSink {
public:
    virtual ~CABCMIDIByteSink() = default;
    // Called on the clock's event thread (in virtual time: inside Sleep).
    virtual void ReceiveBytes(const std::uint8_t* bytes, std::size_t count) = 0;
};
