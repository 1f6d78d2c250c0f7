#include <gtest/gtest.h>

#include <vector>

#include "formats/document/LoopMarkers.h"
#include "formats/sound/CAIFFWriter.h"
#include "framework/exceptions/Exceptions.h"
#include "framework/streams/CMemoryMedia.h"

namespace {

// An AIFF form holding a COMM chunk and, when given, a MARK chunk of these bytes.
void WriteForm(CMemoryMedia& media, const std::vector<std::uint8_t>& mark) {
    CAIFFWriter writer(media);
    writer.BeginForm("FORM", "AIFF");
    writer.WriteCOMM(1, 10, 44100);
    if (!mark.empty()) writer.WriteChunk("MARK", mark.data(), static_cast<std::int64_t>(mark.size()));
    writer.EndForm();
}

}  // namespace

TEST(LoopMarkers, ReadsWhatTheAIFFWriterWrites) {
    CMemoryMedia media(256);
    CAIFFWriter writer(media);
    writer.BeginForm("FORM", "AIFF");
    writer.WriteCOMM(1, 1000, 44100);
    writer.WriteMARK(120, 880);
    writer.EndForm();
    EXPECT_EQ(ReadLoopMarkers(media), (std::pair<std::uint32_t, std::uint32_t>{120, 880}));
}

TEST(LoopMarkers, MissingChunkOrMarkerGivesNothingAndMarkersRunningPastTheChunkAreBad) {
    for (const auto& mark : {std::vector<std::uint8_t>{}, {0, 1, 0, 1, 0, 0, 0, 5, 1, 'a'}}) {
        CMemoryMedia media(64);
        WriteForm(media, mark);
        EXPECT_FALSE(ReadLoopMarkers(media).has_value()) << mark.size();
    }
    CMemoryMedia media(64);
    // Promises three markers, holds two.
    WriteForm(media, {0, 3, 0, 1, 0, 0, 0, 5, 1, 'a', 0, 2, 0, 0, 0, 9, 0, 0});
    EXPECT_THROW(ReadLoopMarkers(media), XBadFormat);
}
