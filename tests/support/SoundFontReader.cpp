#include "tests/support/SoundFontReader.h"

#include <cstring>
#include <map>
#include <stdexcept>

namespace {

std::uint32_t U32(const std::uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t(p[3]) << 24; }
std::uint16_t U16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }

std::string Text(const std::uint8_t* p, std::size_t size)
{
    std::string text(reinterpret_cast<const char*>(p), size);
    return text.substr(0, text.find('\0'));
}

// The sub-chunks of one LIST (or of the sfbk form), by identifier.
using Chunks = std::map<std::string, std::pair<const std::uint8_t*, std::uint32_t>>;

Chunks Walk(const std::uint8_t* data, std::uint32_t size)
{
    Chunks chunks;
    std::uint32_t at = 0;
    while (at + 8 <= size) {
        const std::uint32_t length = U32(data + at + 4);
        if (length > size - at - 8)
            throw std::runtime_error("chunk " + Text(data + at, 4) + " runs past its list");
        std::string id(reinterpret_cast<const char*>(data + at), 4);
        if (id == "LIST")
            id += std::string(reinterpret_cast<const char*>(data + at + 8), 4);
        chunks[id] = {data + at + 8, length};
        at += 8 + length + (length & 1);
    }
    if (at != size)
        throw std::runtime_error("list does not end on a chunk boundary");
    return chunks;
}

const std::pair<const std::uint8_t*, std::uint32_t>& Need(const Chunks& chunks, const std::string& id,
                                                          std::uint32_t recordSize)
{
    const auto found = chunks.find(id);
    if (found == chunks.end())
        throw std::runtime_error("no " + id + " chunk");
    if (recordSize != 0 && found->second.second % recordSize != 0)
        throw std::runtime_error(id + " is not made of " + std::to_string(recordSize) + "-byte records");
    return found->second;
}

Chunks List(const Chunks& chunks, const std::string& type)
{
    const auto& [data, size] = Need(chunks, "LIST" + type, 0);
    return Walk(data + 4, size - 4);
}

} // namespace

SoundFontBankContents ReadSoundFontBank(const std::vector<std::uint8_t>& file)
{
    if (file.size() < 12 || std::memcmp(file.data(), "RIFF", 4) != 0 || std::memcmp(file.data() + 8, "sfbk", 4) != 0)
        throw std::runtime_error("not a RIFF sfbk file");
    if (U32(file.data() + 4) + 8 != file.size())
        throw std::runtime_error("the RIFF size is not the file's");
    const Chunks top = Walk(file.data() + 12, static_cast<std::uint32_t>(file.size() - 12));
    SoundFontBankContents bank;

    const Chunks info = List(top, "INFO");
    if (Need(info, "ifil", 4).second != 4 || Need(info, "isng", 2).second % 2 != 0)
        throw std::runtime_error("ifil or isng of the wrong size");
    const auto& name = Need(info, "INAM", 2);
    if (name.first[name.second - 1] != 0)
        throw std::runtime_error("INAM is not a zero-terminated text of even size");
    bank.bankName = Text(name.first, name.second);

    const Chunks sdta = List(top, "sdta");
    const auto& smpl = Need(sdta, "smpl", 2);
    for (std::uint32_t i = 0; i < smpl.second; i += 2)
        bank.points.push_back(static_cast<std::int16_t>(U16(smpl.first + i)));

    const Chunks pdta = List(top, "pdta");
    const auto& phdr = Need(pdta, "phdr", 38);
    for (std::uint32_t at = 0; at + 38 < phdr.second; at += 38)
        bank.presets.push_back(Text(phdr.first + at, 20));
    for (const char* mod : {"pmod", "imod"})
        Need(pdta, mod, 10);
    Need(pdta, "pbag", 4);
    Need(pdta, "pgen", 4);
    const auto& inst = Need(pdta, "inst", 22);
    for (std::uint32_t at = 0; at + 22 < inst.second; at += 22)
        bank.instruments.push_back(Text(inst.first + at, 20));

    // The first instrument's zones: from its bag index to the next record's.
    const auto& ibag = Need(pdta, "ibag", 4);
    const auto& igen = Need(pdta, "igen", 4);
    if (inst.second >= 44) {
        const std::uint16_t firstZone = U16(inst.first + 20);
        const std::uint16_t endZone = U16(inst.first + 42);
        for (std::uint16_t z = firstZone; z < endZone; ++z) {
            if (4u * (z + 1) + 2 > ibag.second)
                throw std::runtime_error("ibag too short");
            SoundFontBankContents::Zone zone;
            const std::uint16_t from = U16(ibag.first + 4 * z);
            const std::uint16_t to = U16(ibag.first + 4 * (z + 1));
            for (std::uint16_t g = from; g < to; ++g) {
                if (4u * g + 4 > igen.second)
                    throw std::runtime_error("igen too short");
                const std::uint8_t* record = igen.first + 4 * g;
                ++zone.generators;
                if (U16(record) == 43) {
                    zone.lowKey = record[2];
                    zone.highKey = record[3];
                } else if (U16(record) == 53) {
                    zone.sample = U16(record + 2);
                }
            }
            bank.zones.push_back(zone);
        }
    }

    const auto& shdr = Need(pdta, "shdr", 46);
    for (std::uint32_t at = 0; at + 46 < shdr.second; at += 46) {
        const std::uint8_t* r = shdr.first + at;
        bank.samples.push_back({Text(r, 20), U32(r + 20), U32(r + 24), U32(r + 28), U32(r + 32), U32(r + 36), r[40],
                                static_cast<std::int8_t>(r[41]), U16(r + 42), U16(r + 44)});
    }
    if (Text(shdr.first + shdr.second - 46, 20) != "EOS")
        throw std::runtime_error("shdr does not end with EOS");
    return bank;
}
