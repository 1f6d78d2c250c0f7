#include "formats/samplecell/SampleCellInstrument.h"

#include <algorithm>
#include <array>
#include <filesystem>

#include "formats/chunks/CLittleEndianBytes.h"
#include "formats/chunks/RIFF_WRITER.h"

namespace {

constexpr std::uint8_t kFirstKey = 36;
constexpr std::uint8_t kTopKey = 127;
constexpr std::uint16_t kCentreFineTune = 63;
constexpr std::uint32_t kSliceRecordSize = 64;
constexpr std::size_t kSliceNameField = 36;
constexpr std::size_t kSliceNameLength = 31;

// The flat writer adds no pad byte: a chunk of odd size gets its own, so
// that the chunk after it starts where readers look for it.
void WritePadded(RIFF_WRITER& writer, const char* id, const CLittleEndianBytes& bytes)
{
    writer.WriteChunk(id, bytes.data.data(), static_cast<std::int64_t>(bytes.data.size()));
    if (bytes.data.size() % 2 != 0) {
        const std::uint8_t pad = 0;
        writer.Write(1, &pad);
    }
}

template <std::size_t N>
void WriteSection(RIFF_WRITER& writer, const SampleCellTemplate::Section& section, const std::array<std::uint8_t, N>& entries)
{
    CLittleEndianBytes bytes;
    bytes.Word(section.entries);
    bytes.Word(section.entrySize);
    bytes.Append(entries);
    WritePadded(writer, section.id, bytes);
}

CLittleEndianBytes FilePaths(const SampleCellInstrument& instrument)
{
    CLittleEndianBytes bytes;
    bytes.Long(static_cast<std::uint32_t>(instrument.slices.size()));
    for (const SampleCellInstrument::Slice& slice : instrument.slices) {
        std::vector<std::uint8_t> name(slice.fileName.begin(), slice.fileName.end());
        name.push_back(0);
        if (name.size() % 2 != 0)
            name.push_back(0);
        bytes.Long(static_cast<std::uint32_t>(name.size()));
        bytes.Append(name);
    }
    return bytes;
}

CLittleEndianBytes SliceRecords(const SampleCellInstrument& instrument)
{
    std::uint32_t total = 0;
    for (const SampleCellInstrument::Slice& slice : instrument.slices)
        total += slice.bytes;
    CLittleEndianBytes bytes;
    bytes.Long(static_cast<std::uint32_t>(instrument.slices.size()));
    bytes.Long(kSliceRecordSize);
    bytes.Long(total);
    for (std::size_t i = 0; i < instrument.slices.size(); ++i) {
        const SampleCellInstrument::Slice& slice = instrument.slices[i];
        bytes.Long(static_cast<std::uint32_t>(i));
        bytes.Long(0);
        bytes.Word(1);
        bytes.Long(0);
        bytes.Long(slice.bytes);
        const std::string stem = std::filesystem::path(slice.fileName).stem().string().substr(0, kSliceNameLength);
        std::array<std::uint8_t, kSliceNameField> name{};
        name[0] = static_cast<std::uint8_t>(stem.size());
        std::copy(stem.begin(), stem.end(), name.begin() + 1);
        bytes.Append(name);
        bytes.Word(instrument.fineTune);
        bytes.Word(0);
        bytes.Word(63);
        bytes.Word(0);
        bytes.Word(63);
    }
    return bytes;
}

CLittleEndianBytes KeyZones(const SampleCellInstrument& instrument, const SampleCellTemplate& tmpl)
{
    const std::size_t count = instrument.slices.size();
    CLittleEndianBytes bytes;
    bytes.Word(static_cast<std::uint16_t>(count));
    bytes.Word(6);
    bytes.Word(14);
    for (std::size_t j = 0; j < count; ++j) {
        bytes.Word(j + 1 == count ? kTopKey : static_cast<std::uint16_t>(kFirstKey + j));
        bytes.Word(tmpl.zoneValue.value_or(kSampleCellDefaultZoneValue));
        bytes.Word(1);
        bytes.Long(static_cast<std::uint32_t>(j));
        bytes.Long(0xFFFFFFFF);
        bytes.Word(0);
        bytes.Word(99);
        bytes.Long(0);
        bytes.Word(instrument.rootKey);
    }
    return bytes;
}

} // namespace

std::uint16_t SampleCellFineTune(std::int32_t cents)
{
    return static_cast<std::uint16_t>(kCentreFineTune + (cents * 63 + 25) / 50);
}

void WriteSampleCellInstrument(CMedia& media, const SampleCellInstrument& instrument, const SampleCellTemplate& tmpl)
{
    RIFF_WRITER writer(media);
    writer.BeginForm("RIFF", "SCin");
    writer.WriteChunk("FVER", "Monk", 4);
    CLittleEndianBytes annotation;
    annotation.data.push_back(0); // an empty length-prefixed text
    WritePadded(writer, "ANNO", annotation);
    WritePadded(writer, "FPTH", FilePaths(instrument));
    WritePadded(writer, "KeyS", SliceRecords(instrument));
    WritePadded(writer, "KeyP", KeyZones(instrument, tmpl));
    CLittleEndianBytes general;
    general.Append(tmpl.general);
    WritePadded(writer, "GenP", general);
    WriteSection(writer, SampleCellTemplate::kEnvelopes, tmpl.envelopes);
    WriteSection(writer, SampleCellTemplate::kLFOs, tmpl.lfos);
    WriteSection(writer, SampleCellTemplate::kRamp, tmpl.ramp);
    WriteSection(writer, SampleCellTemplate::kTracking, tmpl.tracking);
    WriteSection(writer, SampleCellTemplate::kModulation, tmpl.modulation);
    writer.EndForm();
}
