#pragma once
// One SCSI command block: all zero but the operation code, which the caller
// fills in further. Its length follows the operation code's group.
#include <array>
#include <cstddef>
#include <cstdint>

enum class SCSIDirection { kIn, kOut, kNone };

class SCSICommandBlock {
public:
    explicit SCSICommandBlock(std::uint8_t operationCode) { fBytes[0] = operationCode; }

    std::uint8_t& operator[](std::size_t index) { return fBytes[index]; }
    std::uint8_t operator[](std::size_t index) const { return fBytes[index]; }
    const std::uint8_t* Data() const { return fBytes.data(); }
    std::uint8_t OperationCode() const { return fBytes[0]; }
    // Group 0 (and the vendor groups 3, 6, 7): 6 bytes; groups 1 and 2: 10;
    // group 4: 16; group 5: 12.
    std::size_t Length() const;

private:
    std::array<std::uint8_t, 16> fBytes{};
};
