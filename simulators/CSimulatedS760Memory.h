#pragma once
// What a simulated S-760 holds: 128 patches, 256 partials, 512 sample
// parameter blocks, and wave memory in segments of 4608 frames. Items are
// read and written as the wire carries them (nibbles at their addresses),
// and listed as its file lists report them.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "samplers/roland/CS760FileList.h"
#include "samplers/roland/RolandMessages.h"
#include "samplers/roland/S760AddressMap.h"
#include "samplers/roland/S760Blocks.h"
#include "samplers/roland/S760SampleParameters.h"

class CSimulatedS760Memory {
public:
    explicit CSimulatedS760Memory(std::uint16_t segments);

    // The wire bytes of the item that starts at `address`; nothing for an
    // address where no item starts.
    std::optional<Roland::Bytes> Read(std::uint32_t address) const;
    // Whether an item of exactly `size` wire bytes starts at `address`.
    bool IsItem(std::uint32_t address, std::uint32_t size) const;
    // Stores the wire bytes of the item at `address`; false where none is.
    bool Write(std::uint32_t address, const Roland::Bytes& wire);

    // Wave memory for a sample of `frames` as `number`, its parameters named
    // `name` at `rate`; false (and an empty slot) when memory is full.
    bool Allocate(std::uint16_t number, std::uint32_t frames, std::uint32_t rate, const std::string& name);
    void Free(std::uint16_t number);
    std::uint16_t FreeSegments() const;

    // The entries of a category's file list, in number order.
    std::vector<CS760FileList::Entry> Entries(std::uint32_t category) const;

    std::array<S760::Patch, S760::kPatchCount> patches;
    std::array<S760::Partial, S760::kPartialCount> partials;
    std::array<S760::SampleParameters, S760::kSampleCount> samples;

private:
    std::vector<std::int32_t> fSegmentOwner;  // -1: free
};
