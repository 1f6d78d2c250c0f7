#include "formats/chunks/CIFFReader.h"
#include "formats/chunks/CIFFWriter.h"
#include "formats/chunks/RIFF_WRITER.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "framework/exceptions/GeneralExceptions.h"
#include "framework/streams/CMemoryMedia.h"
#include "tests/formats/chunks/ChunkTestBytes.h"

namespace {

const std::string kTwoChunkForm = Bytes(
    "FORM\0\0\0\x19" "TEST"
    "ABCD\0\0\0\x03" "xyz"
    "EFGH\0\0\0\x02" "pq");

} // namespace

TEST(CIFFWriter, OddChunkGetsNoPadByteAndRiffSizesAreLittleEndian)
{
    CMemoryMedia media(64);
    CIFFWriter writer(media);
    writer.BeginForm("FORM", "TEST");
    writer.WriteChunk("ABCD", "xyz", 3);
    writer.BeginChunk("EFGH");
    writer.Write(2, "pq");
    writer.EndChunk();
    writer.EndForm();
    EXPECT_EQ(media.GetPosition(), 33);
    EXPECT_EQ(Contents(media, 33), kTwoChunkForm);
    // The RIFF writer writes little-endian sizes.
    CMemoryMedia riff(32);
    RIFF_WRITER riffWriter(riff);
    riffWriter.BeginForm("RIFF", "WAVE");
    riffWriter.WriteChunk("data", "\x01\x02\x03\x04", 4);
    riffWriter.EndForm();
    EXPECT_EQ(Contents(riff, 24), Bytes("RIFF\x10\0\0\0WAVEdata\x04\0\0\0\x01\x02\x03\x04"));
}

TEST(CIFFWriter, MisuseIsRefusedAndUnfinishedHeadersCarryMarker)
{
    CMemoryMedia media(64);
    CIFFWriter writer(media);
    EXPECT_THROW(writer.EndForm(), XInternalError);
    EXPECT_THROW(writer.EndChunk(), XInternalError);
    writer.BeginForm("FORM", "TEST");
    EXPECT_THROW(writer.BeginForm("FORM", "TEST"), XInternalError);
    writer.BeginChunk("ABCD");
    EXPECT_THROW(writer.BeginChunk("EFGH"), XInternalError);
    EXPECT_THROW(writer.EndForm(), XInternalError);
    // The refused calls wrote nothing; the open headers carry the marker.
    EXPECT_EQ(Contents(media, 20), Bytes("FORM\xAD\xDE\x1A\xB0TESTABCD\xAD\xDE\x1A\xB0"));
}

TEST(CIFFReader, FindsChunksInAnyOrderAndSkipsPadByte)
{
    // The odd chunk is followed by a pad byte, as most writers store it.
    BytesMedia media(Bytes("FORM\0\0\0\x1A" "TEST"
        "ABCD\0\0\0\x03" "xyz\0"
        "EFGH\0\0\0\x02" "pq"));
    CIFFReader reader(media);
    std::uint32_t size = 0;
    ASSERT_TRUE(reader.FindChunk("EFGH", size));
    EXPECT_EQ(size, 2u);
    EXPECT_EQ(media.GetPosition(), 32);
    char data[4] = {};
    ASSERT_TRUE(reader.ReadChunk("ABCD", data, 1, 2, size));
    EXPECT_STREQ(data, "yz");
    EXPECT_EQ(size, 3u);
    EXPECT_FALSE(reader.FindChunk("NONE", size));
    EXPECT_FALSE(reader.FindChunk("EFG", size));
}

TEST(CIFFReader, LittleEndianAndOtherGroupId)
{
    BytesMedia media(Bytes("RIFF\x16\0\0\0WAVEfmt \x02\0\0\0abdata\0\0\0\0"));
    CIFFReader reader(media, "RIFF");
    reader.SetLittleEndian();
    std::uint32_t size = 0;
    ASSERT_TRUE(reader.FindChunk("fmt ", size));
    EXPECT_EQ(size, 2u);
    // A header ending exactly at the group's end is not found.
    EXPECT_FALSE(reader.FindChunk("data", size));
    CIFFReader formReader(media, "FORM");
    EXPECT_THROW(formReader.FindChunk("fmt ", size), XBadFormat);
}

TEST(CIFFReader, BrokenGroupsAndOverlongReadsAreBadFormat)
{
    const std::string broken[] = {
        Bytes("FORM\0\0\0\x03TEST"),                          // group smaller than its type
        Bytes("FORM\0\0"),                                     // header cut short
        Bytes("FORM\0\0\0\x10TESTABCD\0\0\0\x09" "abcdEFGH"),   // chunk running past the group
        // A size of 0xFFFFFFF8 would bring a 32-bit walk back to the same header.
        Bytes("FORM\0\0\0\x14TESTABCD\xFF\xFF\xFF\xF8" "EFGH\0\0\0\0"),
    };
    std::uint32_t size = 0;
    for (const std::string& bytes : broken) {
        BytesMedia media(bytes);
        EXPECT_THROW(CIFFReader(media).FindChunk("EFGH", size), XBadFormat) << bytes.size();
    }
    BytesMedia emptyGroup(Bytes("FORM\0\0\0\x04TEST"));
    EXPECT_FALSE(CIFFReader(emptyGroup).FindChunk("ABCD", size));
    // Reading more than the chunk holds is a bad format.
    BytesMedia form(kTwoChunkForm);
    CIFFReader reader(form);
    char data[8] = {};
    EXPECT_THROW(reader.ReadChunk("ABCD", data, 4), XBadFormat);
    EXPECT_THROW(reader.ReadChunk("ABCD", data, 2, 2, size), XBadFormat);
    EXPECT_TRUE(reader.ReadChunk("ABCD", data, 3));
}

TEST(FlatChunks, WrittenFileReadsBack)
{
    CMemoryMedia media(128);
    RIFF_WRITER writer(media);
    writer.BeginForm("RIFF", "TEST");
    const std::vector<std::string> chunks = {"a", "bb", "ccc", ""};
    const char* ids[] = {"ch_1", "ch_2", "ch_3", "ch_4"};
    for (std::size_t i = 0; i < chunks.size(); ++i) {
        writer.WriteChunk(ids[i], chunks[i].data(), static_cast<std::int64_t>(chunks[i].size()));
        if (chunks[i].size() % 2)
            writer.Write(1, "");
    }
    writer.WriteChunk("last", "zz", 2);
    writer.EndForm();
    BytesMedia written(Contents(media, media.GetPosition()));
    CIFFReader reader(written, "RIFF");
    reader.SetLittleEndian();
    for (std::size_t i = 0; i < chunks.size(); ++i) {
        char data[4] = {};
        std::uint32_t size = 0;
        ASSERT_TRUE(reader.ReadChunk(ids[i], data, 0, static_cast<std::int64_t>(chunks[i].size()), size)) << ids[i];
        EXPECT_EQ(std::string(data), chunks[i]);
    }
}

TEST(CIFFReader, UnfinishedGroupsAndTheOpenEndedChunkEndAtTheEndOfTheStream)
{
    const struct {
        const char* name;
        std::string bytes;
        const char* id;
        bool found;
        std::uint32_t size;
    } cases[] = {
        {"group size 0", Bytes("FORM\0\0\0\0TESTABCD\0\0\0\x02xyDATA\0\0\0\x04wxyz"), "DATA", true, 4},
        {"group size unknown", Bytes("FORM\xFF\xFF\xFF\xFFTESTDATA\0\0\0\x04wxyz"), "DATA", true, 4},
        {"group beyond the stream", Bytes("FORM\0\0\0\x40TESTDATA\0\0\0\x04wxyz"), "DATA", true, 4},
        {"data size 0", Bytes("FORM\0\0\0\x10TESTDATA\0\0\0\0wxyz"), "DATA", true, 4},
        {"data size unknown", Bytes("FORM\0\0\0\x10TESTDATA\xFF\xFF\xFF\xFFwxyz"), "DATA", true, 4},
        {"data beyond the stream", Bytes("FORM\x7F\0\0\x50TESTDATA\x7F\0\0\0wxyz"), "DATA", true, 4},
        {"nothing found past open data", Bytes("FORM\0\0\0\0TESTDATA\0\0\0\0wxyzABCD\0\0\0\0"), "ABCD", false, 0},
    };
    for (const auto& c : cases) {
        BytesMedia media(c.bytes);
        CIFFReader reader(media);
        reader.SetOpenEndedChunk("DATA");
        std::uint32_t size = 0;
        EXPECT_EQ(reader.FindChunk(c.id, size), c.found) << c.name;
        EXPECT_EQ(size, c.size) << c.name;
        if (c.found) {
            EXPECT_EQ(media.GetPosition(), std::int64_t(c.bytes.size()) - c.size) << c.name;
        }
    }
    // Any other chunk must lie inside the group.
    BytesMedia past(Bytes("FORM\0\0\0\0TESTABCD\0\0\0\x09xy"));
    std::uint32_t size = 0;
    EXPECT_THROW(CIFFReader(past).FindChunk("ABCD", size), XBadFormat);
}
