#pragma once
// The contents of one preferences chunk: an object that knows how many bytes
// it writes, writes them, and reads them back.
#include <cstdint>

class CABCDataFormat {
public:
    virtual ~CABCDataFormat() = default;

    // The number of bytes Serialize writes.
    virtual std::uint32_t GetSize() const = 0;
    // Fills exactly GetSize() bytes.
    virtual void Serialize(std::uint8_t* buffer) const = 0;
    // Reads the fields back from size bytes. XInvalidPreferencesChunk when
    // the bytes are too few or a value lies outside its range; the object
    // then keeps the values it had.
    virtual void Deserialize(const std::uint8_t* buffer, std::uint32_t size) = 0;
};
