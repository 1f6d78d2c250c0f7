// The Mixman track file: its note track conversion, its fixed layout, and
// the WAV images inside it read by sndfile-info.
#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "formats/chunks/ByteOrder.h"
#include "formats/mixman/MixmanTrack.h"
#include "framework/exceptions/GeneralExceptions.h"
#include "tests/support/FileTestSupport.h"
#include "tests/support/MemoryBytes.h"

namespace {

using Data = std::vector<std::uint8_t>;

MixmanTrack Track(const std::vector<std::size_t>& sampleFrames)
{
    MixmanTrack track;
    track.name = "Funky";
    track.tempo = 96.5;
    track.loopBeats = 8;
    // Two notes from a groove file's note track: delta, note-on, running status.
    track.noteEvents = {0x00, 0x90, 0x00, 0x7F, 0x83, 0x60, 0x00, 0x00, 0x00, 0x01, 0x7F, 0x60, 0x01, 0x00};
    for (const std::size_t frames : sampleFrames) {
        std::vector<std::int16_t> points(frames);
        for (std::size_t j = 0; j < frames; ++j)
            points[j] = static_cast<std::int16_t>(j * 7 - 3000);
        track.samples.push_back(points);
    }
    return track;
}

Data Written(const MixmanTrack& track)
{
    GrowingMedia media;
    WriteMixmanTrack(media, track);
    return media.bytes;
}

std::vector<std::size_t> Find(const Data& file, const std::string& text)
{
    std::vector<std::size_t> at;
    const std::string bytes(file.begin(), file.end());
    for (std::size_t p = bytes.find(text); p != std::string::npos; p = bytes.find(text, p + 1))
        at.push_back(p);
    return at;
}

} // namespace

TEST(MixmanTrack, NoteTrackConversion)
{
    const struct {
        Data in;
        std::optional<Data> out;
    } cases[] = {
        // Deltas become absolute times; a note-on of velocity 0 a note-off of velocity 100.
        {{0x00, 0x90, 0x24, 0x7F, 0x83, 0x60, 0x90, 0x24, 0x00},
         Data{0x00, 0x90, 0x24, 0x7F, 0x83, 0x60, 0x80, 0x24, 100}},
        // Running status is written out; times add up past one byte.
        {{0x40, 0x91, 0x01, 0x10, 0x40, 0x02, 0x20, 0x40, 0x01, 0x00},
         Data{0x40, 0x91, 0x01, 0x10, 0x81, 0x00, 0x91, 0x02, 0x20, 0x81, 0x40, 0x81, 0x01, 100}},
        // Program change and channel pressure carry one data byte, pitch bend two.
        {{0x00, 0xC0, 0x05, 0x00, 0xD0, 0x40, 0x00, 0xE0, 0x00, 0x40},
         Data{0x00, 0xC0, 0x05, 0x00, 0xD0, 0x40, 0x00, 0xE0, 0x00, 0x40}},
        {{0x00, 0xFF, 0x2F, 0x00}, std::nullopt},  // a meta event
        {{0x00, 0xF0, 0x01, 0xF7}, std::nullopt},  // system exclusive
        {{0x00, 0x90, 0x24}, std::nullopt},        // ends within an event
        {{0x00, 0x24, 0x7F}, std::nullopt},        // data before any status
        {{0x83}, std::nullopt},                    // ends within a delta time
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(ConvertMixmanNoteTrack(cases[i].in), cases[i].out) << i;
}

TEST(MixmanTrack, LayoutOfHeaderNoteTrackAndSamples)
{
    const Data file = Written(Track({500, 1000}));
    EXPECT_EQ(ReadLittleEndian32(&file[2]), 1000u + 2000u + 2 * 8192u);
    double tempo = 0;
    std::memcpy(&tempo, &file[8], 8);
    EXPECT_EQ(tempo, 96.5);

    // The note track: its lead, L + 4, the big-endian L and the converted events.
    const std::size_t track = 80 + 27;
    EXPECT_EQ(ReadLittleEndian32(&file[track + 6]), 19u + 4u);
    EXPECT_EQ(ReadBigEndian32(&file[track + 16]), 19u);
    const Data events(file.begin() + track + 20, file.begin() + track + 39);
    EXPECT_EQ(events, (Data{0x00, 0x90, 0x00, 0x7F, 0x83, 0x60, 0x80, 0x00, 100, 0x83, 0x60, 0x90, 0x01, 0x7F, 0x84,
                            0x40, 0x80, 0x01, 100}));
    // 8 beats at 480 ticks, the flags, then the name block.
    const std::size_t settings = track + 39;
    EXPECT_EQ(ReadLittleEndian32(&file[settings + 2]), 3840u);
    EXPECT_EQ(std::string(file.begin() + settings + 11, file.begin() + settings + 17), "\005Funky");

    // Two samples, the second after 01 80; each a WAV image with its points.
    const std::vector<std::size_t> images = Find(file, "RIFF");
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(ReadBigEndian16(&file[images[1] - 256 - 160 - 30 - 2]), 0x0180u);
    EXPECT_EQ(ReadLittleEndian32(&file[images[1] - 256 - 160 - 30]), 2000u + 1644u);
    EXPECT_EQ(file.size(), images[1] + 44 + 2000 + 1344 + 1);

    CTempFolder folder;
    for (std::size_t i = 0; i < images.size(); ++i) {
        const std::size_t size = ReadLittleEndian32(&file[images[i] + 40]);
        const auto wav = folder / ("image" + std::to_string(i) + ".wav");
        WriteFileBytes(wav, Data(file.begin() + images[i], file.begin() + images[i] + 44 + size));
        const std::string info = RunCommand("sndfile-info '" + wav.string() + "'");
        for (const std::string& line : std::vector<std::string>{"Sample Rate : 44100", "Channels    : 1",
                                                              "Frames      : " + std::to_string(size / 2)})
            EXPECT_NE(info.find(line), std::string::npos) << info;
        EXPECT_EQ(SoxSamples(wav), Track({size / 2}).samples[0]) << i;
    }
}

TEST(MixmanTrack, EdgesOfNameAndSampleCount)
{
    MixmanTrack longName = Track({10});
    longName.name = std::string(256, 'n');
    const Data file = Written(longName);
    const std::size_t name = 80 + 27 + 39 + 11;
    EXPECT_EQ(file[name], 255u);
    EXPECT_EQ(file[name + 256], 0u);
    // One sample: no 01 80 separator anywhere before its block.
    const std::size_t list = Find(file, "CSample")[0] + 7;
    EXPECT_EQ(ReadLittleEndian32(&file[list]), 20u + 1644u);

    MixmanTrack meta = Track({10});
    meta.noteEvents = {0x00, 0xFF, 0x2F, 0x00};
    GrowingMedia media;
    EXPECT_THROW(WriteMixmanTrack(media, meta), XBadFormat);
    EXPECT_TRUE(media.bytes.empty()) << "nothing is written for a track that cannot be converted";
}
