#include <gtest/gtest.h>

#include "formats/chunks/ByteOrder.h"
#include "formats/document/LoopMarkers.h"
#include "formats/sound/CAIFFWriter.h"
#include "formats/streams/CMemoryMedia.h"
#include "framework/exceptions/Exceptions.h"

TEST(LoopMarkers, ReadsWhatTheAIFFWriterWrites) {
    CMemoryMedia media(256);
    CAIFFWriter writer(media);
    writer.BeginForm("FORM", "AIFF");
    writer.WriteCOMM(1, 1000, 44100);
    writer.WriteMARK(120, 880);
    writer.EndForm();
    const auto markers = ReadLoopMarkers(media);
    ASSERT_TRUE(markers.has_value());
    EXPECT_EQ(markers->first, 120u);
    EXPECT_EQ(markers->second, 880u);
}

TEST(LoopMarkers, MissingChunkOrMarkerGivesNothing) {
    CMemoryMedia none(64);
    CAIFFWriter plain(none);
    plain.BeginForm("FORM", "AIFF");
    plain.WriteCOMM(1, 10, 44100);
    plain.EndForm();
    EXPECT_FALSE(ReadLoopMarkers(none).has_value());

    CMemoryMedia one(64);
    CAIFFWriter writer(one);
    writer.BeginForm("FORM", "AIFF");
    const std::uint8_t mark[] = {0, 1, 0, 1, 0, 0, 0, 5, 1, 'a'};
    writer.WriteChunk("MARK", mark, sizeof mark);
    writer.EndForm();
    EXPECT_FALSE(ReadLoopMarkers(one).has_value());
}

TEST(LoopMarkers, MarkersRunningPastTheChunkAreBadFormat) {
    CMemoryMedia media(64);
    CAIFFWriter writer(media);
    writer.BeginForm("FORM", "AIFF");
    const std::uint8_t mark[] = {0, 3, 0, 1, 0, 0, 0, 5, 1, 'a', 0, 2, 0, 0, 0, 9, 0, 0};
    writer.WriteChunk("MARK", mark, sizeof mark);  // promises three markers, holds two
    writer.EndForm();
    EXPECT_THROW(ReadLoopMarkers(media), XBadFormat);
}
