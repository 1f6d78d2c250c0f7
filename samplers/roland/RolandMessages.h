#pragma once
// Roland system-exclusive messages as the S-760 takes them: a header
// (F0 41 device model command), a 28-bit address in four 7-bit groups (most
// significant first), then a size or data, a checksum over everything from
// the address on, and F7. The short form has only the header and F7.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace Roland {

using Bytes = std::vector<std::uint8_t>;

inline constexpr std::uint8_t kManufacturer = 0x41;
inline constexpr std::uint8_t kS760Model = 0x34;

enum Command : std::uint8_t {
    kRQ1 = 0x11,  // request data, one-way
    kDT1 = 0x12,  // data set, one-way
    kWSD = 0x40,  // want to send
    kRQD = 0x41,  // request data, handshake
    kDAT = 0x42,  // data packet
    kACK = 0x43,  // acknowledge
    kEOD = 0x45,  // end of data
    kERR = 0x4E,  // communication error
    kRJC = 0x4F,  // rejection
};

inline constexpr std::size_t kShortLength = 6;
inline constexpr std::size_t kAddressOffset = 5;
inline constexpr std::size_t kDataOffset = 9;
// Header, address, checksum and F7 around the data.
inline constexpr std::size_t kFrameLength = 11;
inline constexpr std::size_t kAddressSizeLength = 15;
// The most data bytes one message carries.
inline constexpr std::size_t kMaxPiece = 256;

// F0 41 device model command F7.
Bytes ShortMessage(std::uint8_t device, std::uint8_t command);
// Header, address, size (four 7-bit groups), checksum, F7.
Bytes AddressSizeMessage(std::uint8_t device, std::uint8_t command, std::uint32_t address, std::uint32_t size);
// Header, address, the data, checksum, F7.
Bytes AddressDataMessage(std::uint8_t device, std::uint8_t command, std::uint32_t address, const std::uint8_t* data,
                         std::size_t count);
// The address of a message of at least 9 bytes.
std::uint32_t AddressOf(const Bytes& message);
// The checksum a message of at least 11 bytes should carry.
std::uint8_t ExpectedChecksum(const Bytes& message);

}  // namespace Roland
