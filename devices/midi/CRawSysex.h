#pragma once
// One system-exclusive message as it came or goes over the wire.
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

class CRawSysex {
public:
    explicit CRawSysex(std::size_t length) : fBytes(length) {}
    CRawSysex(std::initializer_list<std::uint8_t> bytes) : fBytes(bytes) {}
    explicit CRawSysex(std::vector<std::uint8_t> bytes) : fBytes(std::move(bytes)) {}

    std::size_t Length() const { return fBytes.size(); }
    std::uint8_t* Data() { return fBytes.data(); }
    const std::uint8_t* Data() const { return fBytes.data(); }
    std::uint8_t operator[](std::size_t index) const { return fBytes[index]; }
    const std::vector<std::uint8_t>& Bytes() const { return fBytes; }

    // At least 2 bytes, F0 first, F7 last, every byte between below 80 hex.
    bool IsWellFormed() const;
    // Raises XSysexTooSmall when shorter than `length`.
    void RequireLength(std::size_t length) const;

private:
    std::vector<std::uint8_t> fBytes;
};
