#include "samplers/roland/S760Blocks.h"

#include <algorithm>

#include "samplers/roland/S760Names.h"
#include "samplers/roland/S760SampleParameters.h"

namespace S760 {

namespace {

constexpr std::size_t kZoneOffset = 16;
constexpr std::size_t kZoneSpacing = 16;
constexpr std::size_t kCoarseTune = 20;
constexpr std::size_t kFineTune = 21;
constexpr std::size_t kKeyPartials = 32;
constexpr std::size_t kKeyExtras = 128;

void PutName(std::uint8_t* bytes, const std::string& name)
{
    const auto padded = NameBytes(name);
    std::copy(padded.begin(), padded.end(), bytes);
}

}  // namespace

Partial Partial::Default(bool cleared)
{
    Partial partial;
    PutName(partial.first.data(), cleared ? "" : "   :");
    if (cleared)
        partial.first[0] = kEmptyMark;
    for (int zone = 0; zone < kZones; ++zone)
        partial.SetZoneSample(zone, kNoSample);
    return partial;
}

bool Partial::IsEmpty() const
{
    return first[0] == kEmptyMark;
}

std::string Partial::Name() const
{
    return NameText(first.data());
}

void Partial::SetName(const std::string& name)
{
    PutName(first.data(), name);
}

std::uint16_t Partial::ZoneSample(int zone) const
{
    const std::size_t at = kZoneOffset + kZoneSpacing * static_cast<std::size_t>(zone);
    return static_cast<std::uint16_t>(first[at] | first[at + 1] << 8);
}

void Partial::SetZoneSample(int zone, std::uint16_t sample)
{
    const std::size_t at = kZoneOffset + kZoneSpacing * static_cast<std::size_t>(zone);
    first[at] = static_cast<std::uint8_t>(sample);
    first[at + 1] = static_cast<std::uint8_t>(sample >> 8);
}

Patch Patch::Default()
{
    Patch patch;
    PutName(patch.bytes.data(), "   :");
    patch.ClearKeys();
    return patch;
}

bool Patch::IsEmpty() const
{
    return bytes[0] == kEmptyMark;
}

std::string Patch::Name() const
{
    return NameText(bytes.data());
}

void Patch::SetName(const std::string& name)
{
    PutName(bytes.data(), name);
}

std::int8_t Patch::CoarseTune() const
{
    return static_cast<std::int8_t>(bytes[kCoarseTune]);
}

std::int8_t Patch::FineTune() const
{
    return static_cast<std::int8_t>(bytes[kFineTune]);
}

void Patch::SetTune(int coarse, int fine)
{
    bytes[kCoarseTune] = static_cast<std::uint8_t>(coarse);
    bytes[kFineTune] = static_cast<std::uint8_t>(fine);
}

KeyEntry Patch::Key(int position) const
{
    const auto at = static_cast<std::size_t>(position);
    return {bytes[kKeyPartials + at], bytes[kKeyExtras + at]};
}

void Patch::SetKey(int position, KeyEntry entry)
{
    const auto at = static_cast<std::size_t>(position);
    bytes[kKeyPartials + at] = entry.partial;
    bytes[kKeyExtras + at] = entry.extra;
}

void Patch::ClearKeys()
{
    for (int position = 0; position < kKeys; ++position)
        SetKey(position, KeyEntry{});
}

}  // namespace S760
