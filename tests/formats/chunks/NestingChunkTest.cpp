#include "formats/chunks/CIFFReader2.h"
#include "formats/chunks/CIFFWriter2.h"
#include "formats/chunks/CRIFFWriter2.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "formats/chunks/ByteOrder.h"
#include "framework/exceptions/GeneralExceptions.h"
#include "framework/files/CFileSpec.h"
#include "framework/streams/CMemoryMedia.h"
#include "framework/streams/CSafeSaveFile.h"
#include "tests/formats/chunks/ChunkTestBytes.h"
#include "tests/support/FileTestSupport.h"

namespace {

// CAT  ABCD { FORM TYP1 { aaaa "xyz" pad }, FORM TYP2 { bbbb "" } }, big-endian.
std::string WriteCatFile(CMemoryMedia& media)
{
    CIFFWriter2 writer(media, ChunkByteOrder::kBigEndian);
    const CIFFChunkInfo cat = writer.BeginCat("ABCD");
    {
        CIFFWriter2 inner(writer, cat);
        for (const char* type : {"TYP1", "TYP2"}) {
            const CIFFChunkInfo form = inner.BeginForm(type);
            EXPECT_EQ(form.kind, CIFFChunkInfo::kForm);
            EXPECT_STREQ(form.name, type);
            CIFFWriter2 body(inner, form);
            if (std::strcmp(type, "TYP1") == 0)
                body.WriteChunk("aaaa", 3, "xyz");
            else
                body.WriteChunk("bbbb", 0, "");
            inner.EndChunk(form);
        }
    }
    writer.EndChunk(cat);
    return Contents(media, media.GetPosition());
}

const std::string kCatFile = Bytes(
    "CAT \0\0\0\x30" "ABCD"
    "FORM\0\0\0\x10" "TYP1" "aaaa\0\0\0\x03" "xyz\0"
    "FORM\0\0\0\x0C" "TYP2" "bbbb\0\0\0\0");

} // namespace

TEST(CIFFWriter2, OddChunkGetsZeroPadByteAndGroupsNest)
{
    CMemoryMedia media(16);
    media.Data()[11] = 0xFF;
    CIFFWriter2 writer(media, ChunkByteOrder::kBigEndian);
    writer.WriteChunk("ABCD", 3, "xyz");
    EXPECT_EQ(media.GetPosition(), 12);
    EXPECT_EQ(Contents(media, 12), Bytes("ABCD\0\0\0\x03xyz\0"));
    CMemoryMedia cat(64);
    EXPECT_EQ(WriteCatFile(cat), kCatFile);
}

TEST(CRIFFWriter2, RiffWithListLayout)
{
    CMemoryMedia media(64);
    CRIFFWriter2 writer(media);
    const CIFFChunkInfo riff = writer.BeginRiff("sfbk");
    {
        CIFFWriter2 inner(writer, riff);
        const CIFFChunkInfo list = inner.BeginList("INFO");
        {
            CIFFWriter2 info(inner, list);
            info.WriteChunk("ifil", 4, "\x02\0\x01\0");
            info.WriteChunk("INAM", 5, "Loop\0");
        }
        inner.EndChunk(list);
    }
    writer.EndChunk(riff);
    EXPECT_EQ(Contents(media, media.GetPosition()),
              Bytes("RIFF\x2A\0\0\0sfbk"
                          "LIST\x1E\0\0\0INFO"
                          "ifil\x04\0\0\0\x02\0\x01\0"
                          "INAM\x05\0\0\0Loop\0\0"));
}

TEST(CIFFReader2, WalksNestedGroups)
{
    BytesMedia media(kCatFile);
    CIFFReader2 reader(media, ChunkByteOrder::kBigEndian);
    CIFFChunkInfo cat;
    ASSERT_TRUE(reader.ReadFirst(cat));
    EXPECT_EQ(cat.kind, CIFFChunkInfo::kCat);
    EXPECT_STREQ(cat.name, "ABCD");
    EXPECT_EQ(cat.size, 44u);
    EXPECT_FALSE(reader.ReadNext(cat, cat));

    CIFFReader2 inside(reader, cat);
    CIFFChunkInfo form;
    ASSERT_TRUE(inside.ReadFirst(form));
    EXPECT_EQ(form.kind, CIFFChunkInfo::kForm);
    EXPECT_STREQ(form.name, "TYP1");
    EXPECT_EQ(form.start, 0);
    {
        CIFFReader2 body(inside, form);
        CIFFChunkInfo chunk;
        ASSERT_TRUE(body.FindChunk("aaaa", chunk));
        char data[4] = {};
        body.ReadChunkData(chunk, data);
        EXPECT_STREQ(data, "xyz");
        EXPECT_FALSE(body.FindChunk("bbbb", chunk)); // only this group is searched
    }
    ASSERT_TRUE(inside.ReadNext(form, form));
    EXPECT_STREQ(form.name, "TYP2");
    EXPECT_EQ(form.start, 24);
    EXPECT_FALSE(inside.ReadNext(form, form));
}

TEST(CIFFReader2, FindCatAndChunkAtOneLevel)
{
    BytesMedia media(Bytes("LIST\0\0\0\x04" "NONEdata\0\0\0\x01" "d\0" "CAT \0\0\0\x04" "WANT"));
    CIFFReader2 reader(media, ChunkByteOrder::kBigEndian);
    CIFFChunkInfo record;
    ASSERT_TRUE(reader.FindCat("WANT", record));
    EXPECT_EQ(record.start, 22);
    EXPECT_EQ(record.size, 0u);
    EXPECT_FALSE(reader.FindCat("NONE", record)); // a LIST, not a CAT
    ASSERT_TRUE(reader.FindChunk("data", record));
    EXPECT_EQ(record.start, 12);
    // An empty group's inner reader sees nothing beyond the group.
    ASSERT_TRUE(reader.FindCat("WANT", record));
    CIFFReader2 empty(reader, record);
    EXPECT_FALSE(empty.ReadFirst(record));
}

TEST(CIFFReader2, LittleEndianRiffIsAPlainChunkAndAMissingFinalPadByteEndsTheLevel)
{
    BytesMedia riff(Bytes("RIFF\x06\0\0\0WAVEab"));
    CIFFChunkInfo record;
    ASSERT_TRUE(CIFFReader2(riff, ChunkByteOrder::kLittleEndian).ReadFirst(record));
    EXPECT_EQ(record.kind, CIFFChunkInfo::kChunk);
    EXPECT_STREQ(record.name, "RIFF");
    EXPECT_EQ(record.size, 6u);

    BytesMedia media(Bytes("abcd\0\0\0\x01x\0efgh\0\0\0\x01y"));
    CIFFReader2 reader(media, ChunkByteOrder::kBigEndian);
    ASSERT_TRUE(reader.ReadFirst(record));
    ASSERT_TRUE(reader.ReadNext(record, record));
    EXPECT_STREQ(record.name, "efgh");
    EXPECT_FALSE(reader.ReadNext(record, record));
}

TEST(CIFFReader2, BadHeadersAndChunksRunningPastTheirParentAreBadFormat)
{
    CIFFChunkInfo record;
    BytesMedia tinyGroup(Bytes("LIST\0\0\0\x02TY"));
    EXPECT_THROW(CIFFReader2(tinyGroup, ChunkByteOrder::kBigEndian).ReadFirst(record), XBadFormat);
    BytesMedia beyondStream(Bytes("abcd\xFF\xFF\xFF\xFFxyz"));
    EXPECT_THROW(CIFFReader2(beyondStream, ChunkByteOrder::kBigEndian).ReadFirst(record), XBadFormat);
    BytesMedia tooShort(Bytes("abcd\0\0\0"));
    EXPECT_FALSE(CIFFReader2(tooShort, ChunkByteOrder::kBigEndian).ReadFirst(record));
    // The inner chunk claims 16 bytes; its group holds only 4 of them.
    BytesMedia media(Bytes("FORM\0\0\0\x10TYPEinnr\0\0\0\x10" "abcdNEXT\0\0\0\0"));
    CIFFReader2 reader(media, ChunkByteOrder::kBigEndian);
    ASSERT_TRUE(reader.ReadFirst(record));
    CIFFReader2 inside(reader, record);
    CIFFChunkInfo chunk;
    EXPECT_THROW(inside.ReadFirst(chunk), XBadFormat);
}

TEST(CIFFReader2, RecordsFromElsewhereAreRefused)
{
    BytesMedia media(Bytes("abcd\0\0\0\x02xy"));
    CIFFReader2 reader(media, ChunkByteOrder::kBigEndian);
    CIFFChunkInfo forged;
    forged.kind = CIFFChunkInfo::kChunk;
    forged.start = 4;
    forged.size = 100;
    EXPECT_THROW(reader.ReadNext(forged, forged), XBase);
    char buffer[128];
    EXPECT_THROW(reader.ReadChunkData(forged, buffer), XBadFormat);
    EXPECT_THROW(CIFFReader2(reader, forged), XBadFormat);
    forged.kind = CIFFChunkInfo::kEmpty;
    EXPECT_THROW(forged.HeaderLength(), XBase);
}

TEST(CIFFReader2, IsValidFile)
{
    BytesMedia exact(kCatFile);
    EXPECT_TRUE(CIFFReader2::IsValidFile(exact, ChunkByteOrder::kBigEndian));
    EXPECT_FALSE(CIFFReader2::IsValidFile(exact, ChunkByteOrder::kLittleEndian));
    BytesMedia trailing(kCatFile + std::string(1, '\0'));
    EXPECT_FALSE(CIFFReader2::IsValidFile(trailing, ChunkByteOrder::kBigEndian));
    BytesMedia plain(Bytes("abcd\0\0\0\x02xy"));
    EXPECT_FALSE(CIFFReader2::IsValidFile(plain, ChunkByteOrder::kBigEndian));
    BytesMedia broken(Bytes("FORM\0\0\0\x01"));
    EXPECT_FALSE(CIFFReader2::IsValidFile(broken, ChunkByteOrder::kBigEndian));
}

TEST(CRIFFWriter2, WaveFileReadBySox)
{
    CTempFolder folder;
    const std::string path = (folder / "nested-writer.wav").string();
    {
        CSafeSaveFile file{CFileSpec(path)};
        CRIFFWriter2 writer(file);
        const CIFFChunkInfo riff = writer.BeginRiff("WAVE");
        {
            CIFFWriter2 inner(writer, riff);
            // PCM, mono, 22050 Hz, 44100 bytes a second, 2-byte frames of 16 bits.
            inner.WriteChunk("fmt ", 16, "\x01\0\x01\0\x22\x56\0\0\x44\xAC\0\0\x02\0\x10\0");
            inner.WriteChunk("data", 6, "\x00\x10\x00\xF0\x34\x12");
        }
        writer.EndChunk(riff);
        file.Commit();
    }
    EXPECT_EQ(RunCommand("soxi -s '" + path + "' && soxi -r '" + path + "'"), "3\n22050\n");
}
