#include "samplers/kurzweil/CK2000Program.h"

#include <algorithm>

#include "framework/exceptions/SamplerExceptions.h"
#include "slicing/Tempo.h"

namespace {

struct Tag {
    std::size_t at;
    std::uint8_t tag;
};
constexpr Tag kHeadTags[] = {{0, 0x08}, {16, 0x11}, {24, 0x19}, {28, 0x15}, {36, 0x1B}, {40, 0x0F}};
constexpr Tag kLayerTags[] = {{0, 0x09}, {128, 0x40}};
constexpr std::uint8_t kLastFormat = 2;

}  // namespace

CK2000Program::CK2000Program(std::uint16_t id, std::string name, std::uint16_t keymap)
    : CKurzweilObject(Kurzweil::kProgram, id, std::move(name)), fData(kHeadLength + kLayerLength, 0)
{
    for (const Tag& tag : kHeadTags)
        fData[tag.at] = tag.tag;
    fData[2] = 1;
    for (const Tag& tag : kLayerTags)
        fData[At(0, tag.at)] = tag.tag;
    SetKeys(0, 0, 127);
    SetFirstKeymap(0, keymap);
}

void CK2000Program::Read(const Kurzweil::Bytes& data)
{
    if (data.size() < kShortest)
        throw XK2000InvalidFormat();
    for (const Tag& tag : kHeadTags)
        if (data[tag.at] != tag.tag)
            throw XK2000InvalidTag();
    const std::size_t layers = data[2];
    if (data[1] > kLastFormat || layers == 0 || data.size() < kHeadLength + layers * kLayerLength)
        throw XK2000InvalidFormat();
    for (std::size_t layer = 0; layer < layers; ++layer)
        for (const Tag& tag : kLayerTags)
            if (data[At(layer, tag.at)] != tag.tag)
                throw XK2000InvalidTag();
    fData = data;
}

void CK2000Program::SetKeys(std::size_t layer, int low, int high)
{
    fData[At(layer, 4)] = static_cast<std::uint8_t>(std::clamp(low, 0, 127));
    fData[At(layer, 5)] = static_cast<std::uint8_t>(std::clamp(high, 0, 127));
}

void CK2000Program::Transpose(std::size_t layer, std::int32_t cents)
{
    const TranspositionSplit split = SplitTransposition(Coarse(layer) * 100 + Fine(layer) + cents);
    const std::int32_t coarse = std::clamp(split.semitones, -128, 127);
    const std::int32_t fine = coarse == split.semitones ? split.cents : 0;
    fData[At(layer, 146)] = static_cast<std::uint8_t>(static_cast<std::int8_t>(coarse));
    fData[At(layer, 147)] = static_cast<std::uint8_t>(static_cast<std::int8_t>(fine));
}

void CK2000Program::PutWord(std::size_t at, std::uint16_t value)
{
    fData[at] = static_cast<std::uint8_t>(value >> 8);
    fData[at + 1] = static_cast<std::uint8_t>(value);
}
