// The SampleCell instrument's chunk tree, read back through the nesting
// chunk reader, and the template reader.
#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "formats/chunks/ByteOrder.h"
#include "formats/chunks/CIFFReader2.h"
#include "formats/samplecell/SampleCellInstrument.h"
#include "framework/streams/CPartialMedia.h"
#include "tests/support/MemoryBytes.h"

namespace {

SampleCellInstrument Instrument(int slices)
{
    SampleCellInstrument instrument;
    for (int i = 0; i < slices; ++i)
        instrument.slices.push_back({"Funky00" + std::to_string(i + 1) + ".wav", 2000u + 2u * i});
    instrument.rootKey = 63;
    instrument.fineTune = 1;
    return instrument;
}

std::vector<std::uint8_t> Written(const SampleCellInstrument& instrument, const SampleCellTemplate& tmpl)
{
    GrowingMedia media;
    WriteSampleCellInstrument(media, instrument, tmpl);
    return media.bytes;
}

// The chunks inside the RIFF SCin group, by name, as the nesting reader finds them.
struct ChunkTree {
    explicit ChunkTree(const std::vector<std::uint8_t>& file) : media(file)
    {
        EXPECT_EQ(std::string(file.begin(), file.begin() + 4), "RIFF");
        EXPECT_EQ(std::string(file.begin() + 8, file.begin() + 12), "SCin");
        EXPECT_EQ(ReadLittleEndian32(&file[4]) + 8, file.size());
        inside = std::make_unique<CPartialMedia>(media, 12, static_cast<std::int64_t>(file.size()) - 12);
        reader = std::make_unique<CIFFReader2>(*inside, ChunkByteOrder::kLittleEndian);
        CIFFChunkInfo record;
        for (bool more = reader->ReadFirst(record); more; more = reader->ReadNext(record, record)) {
            names.push_back(record.name);
            std::vector<std::uint8_t> data(record.size);
            reader->ReadChunkData(record, data.data());
            chunks[record.name] = data;
            starts.push_back(record.start);
        }
    }
    std::uint16_t Word(const char* chunk, std::size_t at) { return ReadLittleEndian16(&chunks[chunk][at]); }
    std::uint32_t Long(const char* chunk, std::size_t at) { return ReadLittleEndian32(&chunks[chunk][at]); }

    BytesMedia media;
    std::unique_ptr<CPartialMedia> inside;
    std::unique_ptr<CIFFReader2> reader;
    std::vector<std::string> names;
    std::vector<std::int64_t> starts;
    std::map<std::string, std::vector<std::uint8_t>> chunks;
};

} // namespace

TEST(SampleCellInstrument, ChunkTreeReadsBackThroughTheNestingReader)
{
    SampleCellTemplate tmpl = SampleCellTemplate::Defaults();
    tmpl.zoneValue = 7;
    ChunkTree tree(Written(Instrument(3), tmpl));
    EXPECT_EQ(tree.names, (std::vector<std::string>{"FVER", "ANNO", "FPTH", "KeyS", "KeyP", "GenP", "EnvP", "LFOP", "Ramp",
                                                    "TrkP", "ModP"}));
    for (const std::int64_t start : tree.starts)
        EXPECT_EQ(start % 2, 0) << "every chunk starts on an even offset, the one after ANNO included";
    EXPECT_EQ(tree.chunks["ANNO"], std::vector<std::uint8_t>{0});

    // FPTH: three names of 12 characters, each with its zero and one pad byte (14).
    EXPECT_EQ(tree.Long("FPTH", 4), 14u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&tree.chunks["FPTH"][8]), 14),
              std::string("Funky001.wav\0\0", 14));
    EXPECT_EQ(tree.chunks["FPTH"].size(), 4u + 3u * 18u);

    // KeyS: the total, then per slice its byte length, name and fine tune.
    EXPECT_EQ(tree.Long("KeyS", 8), 2000u + 2002u + 2004u);
    ASSERT_EQ(tree.chunks["KeyS"].size(), 12u + 3u * 64u);
    const std::size_t second = 12 + 64;
    EXPECT_EQ(tree.Long("KeyS", second + 14), 2002u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&tree.chunks["KeyS"][second + 18]), 10),
              std::string("\bFunky002\0", 10));
    EXPECT_EQ(tree.Word("KeyS", second + 54), 1u);

    // KeyP: zones on keys 36 and 37, the last reaching to 127, all rooted on 63.
    ASSERT_EQ(tree.chunks["KeyP"].size(), 6u + 3u * 24u);
    const std::uint16_t tops[] = {36, 37, 127};
    for (std::size_t j = 0; j < 3; ++j) {
        EXPECT_EQ(tree.Word("KeyP", 6 + 24 * j), tops[j]) << j;
        EXPECT_EQ(tree.Word("KeyP", 6 + 24 * j + 2), 7u);
        EXPECT_EQ(tree.Long("KeyP", 6 + 24 * j + 6), j);
        EXPECT_EQ(tree.Word("KeyP", 6 + 24 * j + 22), 63u);
    }
    // The template's sections behind their headers.
    EXPECT_EQ(tree.chunks["GenP"], std::vector<std::uint8_t>(tmpl.general.begin(), tmpl.general.end()));
    EXPECT_EQ(tree.Word("EnvP", 2), 16u);
    EXPECT_EQ(tree.Word("TrkP", 4 + 20 + 18), 99u);
    EXPECT_EQ(tree.chunks["ModP"].size(), 4u + 160u);

    // One slice: its zone reaches to the top of the keyboard.
    ChunkTree one(Written(Instrument(1), SampleCellTemplate::Defaults()));
    EXPECT_EQ(one.Word("KeyP", 6), 127u);
}

TEST(SampleCellInstrument, FineTuneScalesCentsOntoItsSteps)
{
    const std::pair<int, int> cases[] = {{-50, 1}, {30, 101}, {0, 63}, {50, 126}, {-1, 63}, {10, 76}};
    for (const auto& [cents, fine] : cases)
        EXPECT_EQ(SampleCellFineTune(cents), fine) << cents;
}

TEST(SampleCellTemplate, SectionsComeFromTheTemplateWhereTheirHeadersFit)
{
    SampleCellTemplate written = SampleCellTemplate::Defaults();
    written.general[0] = 0x42;
    written.lfos[0] = 0x11;
    written.zoneValue = 0x1234;
    std::vector<std::uint8_t> file = Written(Instrument(2), written);
    // An EnvP header of 4 entries: that section keeps the defaults.
    const std::string bytes(file.begin(), file.end());
    const std::size_t env = bytes.find("EnvP");
    written.envelopes[0] = 0x77;
    file[env + 8 + 4] = 0x77;
    file[env + 8] = 4;

    SampleCellTemplate read = SampleCellTemplate::Defaults();
    BytesMedia media(file);
    ReadSampleCellTemplate(read, media);
    EXPECT_EQ(read.zoneValue, 0x1234);
    EXPECT_EQ(read.general[0], 0x42);
    EXPECT_EQ(read.lfos[0], 0x11);
    EXPECT_EQ(read.envelopes, SampleCellTemplate::Defaults().envelopes);
}

TEST(SampleCellTemplate, DamagedFilesFailTheWholeRead)
{
    const std::vector<std::uint8_t> good = Written(Instrument(2), SampleCellTemplate::Defaults());
    const std::string text(good.begin(), good.end());
    auto withLong = [&](std::size_t at, std::uint32_t value) {
        std::vector<std::uint8_t> file = good;
        WriteLittleEndian32(&file[at], value);
        return file;
    };
    auto bigEndianSizes = [&] {
        // Every size written most significant byte first: the sizes no longer fit the file.
        std::vector<std::uint8_t> file = good;
        WriteBigEndian32(&file[4], static_cast<std::uint32_t>(good.size() - 8));
        const std::size_t genp = text.find("GenP");
        WriteBigEndian32(&file[genp + 4], 60);
        return file;
    };
    std::vector<std::uint8_t> notRiff = good;
    notRiff[0] = 'F';
    const std::vector<std::vector<std::uint8_t>> damaged = {
        notRiff,
        bigEndianSizes(),
        withLong(text.find("GenP") + 4, 0x7FFFFFF0),    // a chunk claiming more than the file holds
        withLong(text.find("KeyP") + 4, 10),            // shorter than the 30 bytes read from it
        withLong(text.find("GenP") + 4, 59),            // shorter than the 60 bytes read from it
        std::vector<std::uint8_t>(good.begin(), good.begin() + 10),
    };
    for (std::size_t i = 0; i < damaged.size(); ++i) {
        SampleCellTemplate read = SampleCellTemplate::Defaults();
        BytesMedia media(damaged[i]);
        EXPECT_THROW(ReadSampleCellTemplate(read, media), XBadSampleCellTemplate) << i;
    }
}

TEST(SampleCellTemplate, MissingChunksKeepTheirDefaults)
{
    // Only a RIFF header and a GenP chunk.
    std::vector<std::uint8_t> file = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'S', 'C', 'i', 'n', 'G', 'e', 'n', 'P', 60, 0, 0, 0};
    file.resize(file.size() + 60, 9);
    WriteLittleEndian32(&file[4], static_cast<std::uint32_t>(file.size() - 8));
    SampleCellTemplate read = SampleCellTemplate::Defaults();
    BytesMedia media(file);
    ReadSampleCellTemplate(read, media);
    EXPECT_FALSE(read.zoneValue);
    EXPECT_EQ(read.general[0], 9);
    EXPECT_EQ(read.modulation, SampleCellTemplate::Defaults().modulation);
}
