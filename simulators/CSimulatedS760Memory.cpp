#include "simulators/CSimulatedS760Memory.h"

#include <algorithm>

#include "samplers/roland/NibbleWire.h"
#include "samplers/roland/S760Names.h"

namespace {

enum class ItemKind { kPatch, kPartialFirst, kPartialSecond, kSample };

struct Item {
    ItemKind kind;
    std::uint32_t index;
};

// The item that starts at `address`.
std::optional<Item> ItemAt(std::uint32_t address)
{
    const struct {
        ItemKind kind;
        std::uint32_t first;
        std::uint32_t stride;
        std::uint32_t count;
    } regions[] = {
        {ItemKind::kPatch, S760::PatchAddress(0), S760::kPatchWireSize, S760::kPatchCount},
        {ItemKind::kPartialFirst, S760::PartialAddress(0), S760::kPartialHalfWireSize, S760::kPartialCount},
        {ItemKind::kPartialSecond, S760::PartialSecondHalfAddress(0), S760::kPartialHalfWireSize, S760::kPartialCount},
        {ItemKind::kSample, S760::SampleAddress(0), S760::kSampleWireSize, S760::kSampleCount},
    };
    for (const auto& region : regions) {
        if (address < region.first || (address - region.first) % region.stride != 0)
            continue;
        if (const std::uint32_t index = (address - region.first) / region.stride; index < region.count)
            return Item{region.kind, index};
    }
    return std::nullopt;
}

template <std::size_t N>
bool Unwire(const Roland::Bytes& wire, std::array<std::uint8_t, N>& block)
{
    if (wire.size() != 2 * N)
        return false;
    block = S760::FromNibbleWire<N>(wire);
    return true;
}

}  // namespace

CSimulatedS760Memory::CSimulatedS760Memory(std::uint16_t segments) : fSegmentOwner(segments, -1)
{
    // An initialised patch ("   :") is not listed.
    patches.fill(S760::Patch::Default());
    partials.fill(S760::Partial::Default(true));
    samples.fill(S760::SampleParameters::Empty());
}

std::optional<Roland::Bytes> CSimulatedS760Memory::Read(std::uint32_t address) const
{
    const auto item = ItemAt(address);
    if (!item)
        return std::nullopt;
    switch (item->kind) {
    case ItemKind::kPatch: return S760::NibbleWire(patches[item->index].bytes);
    case ItemKind::kPartialFirst: return S760::NibbleWire(partials[item->index].first);
    case ItemKind::kPartialSecond: return S760::NibbleWire(partials[item->index].second);
    case ItemKind::kSample: return S760::NibbleWire(samples[item->index].Encode());
    }
    return std::nullopt;
}

bool CSimulatedS760Memory::IsItem(std::uint32_t address, std::uint32_t size) const
{
    const auto wire = Read(address);
    return wire && wire->size() == size;
}

bool CSimulatedS760Memory::Write(std::uint32_t address, const Roland::Bytes& wire)
{
    const auto item = ItemAt(address);
    if (!item)
        return false;
    switch (item->kind) {
    case ItemKind::kPatch: return Unwire(wire, patches[item->index].bytes);
    case ItemKind::kPartialFirst: return Unwire(wire, partials[item->index].first);
    case ItemKind::kPartialSecond: return Unwire(wire, partials[item->index].second);
    case ItemKind::kSample: {
        std::array<std::uint8_t, S760::kParameterBytes> block{};
        if (!Unwire(wire, block))
            return false;
        samples[item->index] = S760::SampleParameters::Decode(block);
        return true;
    }
    }
    return false;
}

bool CSimulatedS760Memory::Allocate(std::uint16_t number, std::uint32_t frames, std::uint32_t rate,
                                    const std::string& name)
{
    Free(number);
    const auto needed = static_cast<std::size_t>((frames + S760::kSegmentFrames - 1) / S760::kSegmentFrames);
    std::size_t run = 0;
    for (std::size_t segment = 0; segment < fSegmentOwner.size(); ++segment) {
        run = fSegmentOwner[segment] < 0 ? run + 1 : 0;
        if (run < needed || needed == 0)
            continue;
        const std::size_t first = segment + 1 - needed;
        std::fill_n(fSegmentOwner.begin() + static_cast<std::ptrdiff_t>(first), needed, number);
        SampleFormat format;
        format.name = name;
        format.rate = rate;
        format.length = format.end = frames;
        format.sustain = {LoopMode::kOff, 0, frames};
        samples[number] = S760::FormatToParameters(format, static_cast<std::uint16_t>(first),
                                                   static_cast<std::uint16_t>(needed), S760::Half::kMono);
        return true;
    }
    return false;
}

void CSimulatedS760Memory::Free(std::uint16_t number)
{
    std::replace(fSegmentOwner.begin(), fSegmentOwner.end(), std::int32_t{number}, std::int32_t{-1});
    samples[number] = S760::SampleParameters::Empty();
}

std::uint16_t CSimulatedS760Memory::FreeSegments() const
{
    return static_cast<std::uint16_t>(std::count(fSegmentOwner.begin(), fSegmentOwner.end(), -1));
}

std::vector<CS760FileList::Entry> CSimulatedS760Memory::Entries(std::uint32_t category) const
{
    std::vector<CS760FileList::Entry> entries;
    const auto add = [&](std::size_t number, bool empty, const std::uint8_t* name) {
        if (!empty)
            entries.push_back({category, static_cast<std::uint16_t>(number), S760::NameText(name)});
    };
    for (std::size_t i = 0; category == CS760FileList::kPatch && i < patches.size(); ++i)
        add(i, patches[i].IsEmpty() || patches[i].Name() == S760::Patch::Default().Name(), patches[i].bytes.data());
    for (std::size_t i = 0; category == CS760FileList::kPartial && i < partials.size(); ++i)
        add(i, partials[i].IsEmpty(), partials[i].first.data());
    for (std::size_t i = 0; category == CS760FileList::kSample && i < samples.size(); ++i)
        add(i, samples[i].IsEmpty(), samples[i].name.data());
    return entries;
}
