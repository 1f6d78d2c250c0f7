#include "formats/samplecell/SampleCellTemplate.h"

#include <cstring>

#include "formats/chunks/ByteOrder.h"
#include "formats/chunks/CIFFReader.h"

namespace {

// KeyP: its 6-byte header, the first 6-byte key entry and 18-byte zone record.
constexpr std::int64_t kKeyPrefix = 30;
constexpr std::size_t kZoneValueAt = 8;
constexpr std::int64_t kSectionHeader = 4;

void SetWord(std::uint8_t* bytes, std::size_t at, std::uint16_t value)
{
    WriteLittleEndian16(bytes + at, value);
}

template <std::size_t N>
void ReadSection(CIFFReader& reader, const SampleCellTemplate::Section& section, std::array<std::uint8_t, N>& to)
{
    std::uint8_t header[kSectionHeader];
    std::uint32_t size = 0;
    if (!reader.ReadChunk(section.id, header, 0, kSectionHeader, size))
        return;
    if (ReadLittleEndian16(header) != section.entries || ReadLittleEndian16(header + 2) != section.entrySize)
        return;
    reader.ReadChunk(section.id, to.data(), kSectionHeader, static_cast<std::int64_t>(N), size);
}

} // namespace

SampleCellTemplate SampleCellTemplate::Defaults()
{
    SampleCellTemplate t;
    const std::pair<std::size_t, std::uint16_t> general[] = {{2, 1},  {4, 21},  {6, 108}, {18, 1},
                                                             {22, 10}, {26, 1},  {42, 1},  {46, 99},
                                                             {50, 1},  {52, 8},  {54, 30}, {58, 255}};
    for (const auto& [at, value] : general)
        SetWord(t.general.data(), at, value);
    for (std::size_t e = 0; e < kEnvelopes.entries; ++e)
        for (const auto& [at, value] : {std::pair<std::size_t, std::uint16_t>{4, 99}, {6, 99}, {8, 10}, {14, 99}})
            SetWord(t.envelopes.data(), e * kEnvelopes.entrySize + at, value);
    for (std::size_t e = 0; e < kLFOs.entries; ++e)
        SetWord(t.lfos.data(), e * kLFOs.entrySize, 50);
    const std::uint16_t curve[] = {0, 0, 13, 25, 38, 50, 63, 75, 87, 99};
    for (std::size_t e = 0; e < kTracking.entries; ++e)
        for (std::size_t w = 0; w < std::size(curve); ++w)
            SetWord(t.tracking.data(), e * kTracking.entrySize + 2 * w, curve[w]);
    const std::uint16_t route[] = {0, 1, 5, 0};
    for (std::size_t e = 0; e < kModulation.entries; ++e)
        for (std::size_t w = 0; w < std::size(route); ++w)
            SetWord(t.modulation.data(), e * kModulation.entrySize + 2 * w, route[w]);
    return t;
}

void ReadSampleCellTemplate(SampleCellTemplate& tmpl, CMedia& file)
{
    try {
        CIFFReader reader(file, "RIFF");
        reader.SetLittleEndian();
        std::uint32_t size = 0;
        std::uint8_t keys[kKeyPrefix];
        SampleCellTemplate read = tmpl;
        if (reader.ReadChunk("KeyP", keys, 0, kKeyPrefix, size))
            read.zoneValue = ReadLittleEndian16(keys + kZoneValueAt);
        reader.ReadChunk("GenP", read.general.data(), 0, SampleCellTemplate::kGeneralSize, size);
        ReadSection(reader, SampleCellTemplate::kEnvelopes, read.envelopes);
        ReadSection(reader, SampleCellTemplate::kLFOs, read.lfos);
        ReadSection(reader, SampleCellTemplate::kRamp, read.ramp);
        ReadSection(reader, SampleCellTemplate::kTracking, read.tracking);
        ReadSection(reader, SampleCellTemplate::kModulation, read.modulation);
        tmpl = read;
    } catch (const XBadFormat&) {
        throw XBadSampleCellTemplate();
    } catch (const XRead&) {
        throw XBadSampleCellTemplate();
    } catch (const XPosition&) {
        throw XBadSampleCellTemplate();
    }
}
