#pragma once
// S-760 blocks as they travel: every byte as two nibbles, high nibble first.
#include <array>
#include <cstdint>

#include "devices/midi/SysexEncoding.h"
#include "samplers/roland/RolandMessages.h"

namespace S760 {

template <std::size_t N>
Roland::Bytes NibbleWire(const std::array<std::uint8_t, N>& block)
{
    Roland::Bytes wire(2 * N);
    PackNibbles(N, block.data(), wire.data());
    return wire;
}

// The block of wire bytes of exactly twice its length.
template <std::size_t N>
std::array<std::uint8_t, N> FromNibbleWire(const Roland::Bytes& wire)
{
    std::array<std::uint8_t, N> block{};
    if (wire.size() == 2 * N)
        UnpackNibbles(N, block.data(), wire.data());
    return block;
}

}  // namespace S760
