#pragma once
// INQUIRY data as the sampler finders use it: the first 8 bytes as they
// are, then vendor (8 bytes from byte 8), product (16 from byte 16) and
// revision (4 from byte 32), each without trailing blanks.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

struct SCSIInquiry {
    static constexpr std::size_t kLength = 36;

    std::array<std::uint8_t, 8> header{};
    std::string vendor;
    std::string product;
    std::string revision;

    std::uint8_t PeripheralType() const { return header[0] & 0x1F; }
};

// Reads only the `received` bytes that came in; the rest counts as zero.
SCSIInquiry ParseInquiry(const std::uint8_t* data, std::size_t received);
