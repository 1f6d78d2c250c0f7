#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formats/document/LoopMarkers.h"
#include "formats/chunks/ByteOrder.h"
#include "formats/sound/CAIFFWriter.h"
#include "formats/sound/CWaveWriter.h"
#include "formats/sound/MarkedSoundFile.h"
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

namespace {

// A RIFF WAVE form holding the given chunks (identifier, bytes) after fmt.
void WriteWave(CMemoryMedia& media, const std::vector<std::pair<const char*, std::vector<std::uint8_t>>>& chunks) {
    CWaveWriter writer(media);
    writer.BeginForm("RIFF", "WAVE");
    writer.WriteFmt(1, 44100);
    for (const auto& [id, bytes] : chunks) writer.WriteChunk(id, bytes.data(), static_cast<std::int64_t>(bytes.size()));
    writer.EndForm();
}

std::vector<std::uint8_t> Cue(std::uint32_t count, std::uint32_t id, std::uint32_t offset) {
    std::vector<std::uint8_t> cue(4 + 24);
    WriteLittleEndian32(cue.data(), count);
    WriteLittleEndian32(&cue[4], id);
    WriteLittleEndian32(&cue[4 + 20], offset);
    return cue;
}

// LIST/adtl with one labl; its size is the true one unless given.
std::vector<std::uint8_t> Label(std::uint32_t id, const std::string& text, std::uint32_t length = 0) {
    std::vector<std::uint8_t> list{'a', 'd', 't', 'l', 'l', 'a', 'b', 'l', 0, 0, 0, 0, 0, 0, 0, 0};
    WriteLittleEndian32(&list[8], length ? length : static_cast<std::uint32_t>(4 + text.size() + 1));
    WriteLittleEndian32(&list[12], id);
    list.insert(list.end(), text.begin(), text.end());
    list.push_back(0);
    return list;
}

}  // namespace

// Markers of other programs and broken marker chunks open as a plain sound.
TEST(SoundMarks, OnlyWholeSliceMarkersInsideTheSoundCount) {
    struct Case {
        const char* what;
        std::vector<std::pair<const char*, std::vector<std::uint8_t>>> chunks;
        std::vector<std::uint32_t> slices;  // empty: no marks
    };
    const Case cases[] = {
        {"labelled slice", {{"cue ", Cue(1, 7, 500)}, {"LIST", Label(7, "Slice 1")}}, {500}},
        {"other label", {{"cue ", Cue(1, 7, 500)}, {"LIST", Label(7, "Verse")}}, {}},
        {"no label", {{"cue ", Cue(1, 7, 500)}}, {}},
        {"count beyond the chunk", {{"cue ", Cue(0x10000000, 7, 500)}, {"LIST", Label(7, "Slice 1")}}, {500}},
        {"label past its list", {{"cue ", Cue(1, 7, 500)}, {"LIST", Label(7, "Slice 1", 0x7FFFFFFF)}}, {}},
        {"past the sound", {{"cue ", Cue(1, 7, 5000)}, {"LIST", Label(7, "Slice 1")}}, {}},
    };
    for (const Case& c : cases) {
        CMemoryMedia media(512);
        WriteWave(media, c.chunks);
        const std::optional<SoundMarks> marks = ReadSoundMarks(media, 1000);
        EXPECT_EQ(marks ? marks->slices : std::vector<std::uint32_t>{}, c.slices) << c.what;
    }
    // A chunk size beyond the file ends the walk; a MARK count beyond its chunk stops the markers.
    CMemoryMedia media(64);
    WriteForm(media, {0, 9, 0, 3, 0, 0, 0, 5, 7, 'S', 'l', 'i', 'c', 'e', ' ', '1'});
    EXPECT_EQ(ReadSoundMarks(media, 10)->slices, std::vector<std::uint32_t>{5});
    media.WriteAt(16, 4, "\x7f\xff\xff\xff");
    EXPECT_FALSE(ReadSoundMarks(media, 10).has_value());
}
