#include "formats/soundfont/SoundFontChunks.h"

#include <algorithm>
#include <cstdio>

#include "formats/chunks/CLittleEndianBytes.h"
#include "formats/chunks/CIFFWriter2.h"

namespace {

constexpr std::size_t kNameBytes = 20;
constexpr std::size_t kSampleNameColumns = 16;
constexpr std::uint16_t kInstrumentOperator = 41;
constexpr std::uint16_t kKeyRangeOperator = 43;
constexpr std::uint16_t kSampleIdOperator = 53;
constexpr std::uint16_t kMonoSample = 1;

void WriteRecords(CIFFWriter2& writer, const char* id, const CLittleEndianBytes& records)
{
    writer.WriteChunk(id, static_cast<std::int64_t>(records.data.size()), records.data.data());
}

void WriteText(CIFFWriter2& writer, const char* id, const std::string& text)
{
    if (text.empty())
        return;
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    if (bytes.size() % 2 != 0)
        bytes.push_back(0);
    writer.WriteChunk(id, static_cast<std::int64_t>(bytes.size()), bytes.data());
}

// Two 16-bit words: a generator (operator, amount; a key range is the low,
// then the high byte) or a zone (first generator, first modulator).
void WordPair(CLittleEndianBytes& records, std::uint16_t first, std::uint16_t second)
{
    records.Word(first);
    records.Word(second);
}

} // namespace

std::string SoundFontSampleName(const std::string& bankName, int index)
{
    std::string padded = bankName.substr(0, kSampleNameColumns);
    padded.resize(kSampleNameColumns, ' ');
    char number[16];
    std::snprintf(number, sizeof number, "%3d", index + 1);
    padded += number;
    std::string name;
    for (const char c : padded)
        if (c != ' ' || name.empty() || name.back() != ' ')
            name += c;
    return name;
}

void WriteSoundFontInfo(CIFFWriter2& writer, const SoundFontInfo& info)
{
    const CIFFChunkInfo list = writer.BeginList("INFO");
    {
        CIFFWriter2 inside(writer, list);
        CLittleEndianBytes version;
        version.Word(2);
        version.Word(0);
        WriteRecords(inside, "ifil", version);
        WriteText(inside, "isng", "EMU8000");
        WriteText(inside, "INAM", info.name);
        WriteText(inside, "ICRD", info.creationDate);
        WriteText(inside, "IENG", info.engineer);
        WriteText(inside, "IPRD", info.product);
        WriteText(inside, "ICOP", info.copyright);
        WriteText(inside, "ICMT", info.comment);
    }
    writer.EndChunk(list);
}

void WriteSoundFontPresetData(CIFFWriter2& writer, const std::string& bankName,
                              const std::vector<SoundFontSample>& samples)
{
    const auto count = static_cast<std::uint16_t>(samples.size());
    const CIFFChunkInfo list = writer.BeginList("pdta");
    {
        CIFFWriter2 inside(writer, list);
        CLittleEndianBytes presets;
        presets.Field(bankName, kNameBytes);
        presets.Word(0); // preset
        presets.Word(0); // bank
        presets.Word(0); // first zone
        presets.Zeros(12); // library, genre, morphology
        presets.Field("EOP", kNameBytes);
        presets.Word(0);
        presets.Word(0);
        presets.Word(1);
        presets.Zeros(12);
        WriteRecords(inside, "phdr", presets);

        CLittleEndianBytes presetZones;
        WordPair(presetZones, 0, 0);
        WordPair(presetZones, 1, 0);
        WriteRecords(inside, "pbag", presetZones);
        CLittleEndianBytes terminalModulator;
        terminalModulator.Zeros(10);
        WriteRecords(inside, "pmod", terminalModulator);
        CLittleEndianBytes presetGenerators;
        WordPair(presetGenerators, kInstrumentOperator, 0);
        WordPair(presetGenerators, 0, 0);
        WriteRecords(inside, "pgen", presetGenerators);

        CLittleEndianBytes instruments;
        instruments.Field(bankName, kNameBytes);
        instruments.Word(0);
        instruments.Field("EOI", kNameBytes);
        instruments.Word(count);
        WriteRecords(inside, "inst", instruments);

        CLittleEndianBytes zones;
        for (std::uint16_t i = 0; i <= count; ++i)
            WordPair(zones, static_cast<std::uint16_t>(2 * i), 0);
        WriteRecords(inside, "ibag", zones);
        WriteRecords(inside, "imod", terminalModulator);
        CLittleEndianBytes generators;
        for (std::uint16_t i = 0; i < count; ++i) {
            const std::uint8_t key = samples[i].key;
            WordPair(generators, kKeyRangeOperator, static_cast<std::uint16_t>(key | key << 8));
            WordPair(generators, kSampleIdOperator, i);
        }
        WordPair(generators, 0, 0);
        WriteRecords(inside, "igen", generators);

        CLittleEndianBytes headers;
        for (const SoundFontSample& sample : samples) {
            headers.Field(sample.name, kNameBytes);
            headers.Long(sample.start);
            headers.Long(sample.end);
            headers.Long(sample.start); // loop start
            headers.Long(sample.end); // loop end
            headers.Long(sample.rate);
            headers.Byte(sample.originalPitch);
            headers.Byte(static_cast<std::uint8_t>(sample.pitchCorrection));
            headers.Word(0); // link
            headers.Word(kMonoSample);
        }
        headers.Field("EOS", kNameBytes);
        headers.Zeros(26);
        WriteRecords(inside, "shdr", headers);
    }
    writer.EndChunk(list);
}
