// The AIFF and WAV writers: byte layouts, and sox and libsndfile reading
// exactly our samples.
#include <gtest/gtest.h>

#include "formats/sound/AIFFFile.h"
#include "formats/sound/WAVFile.h"
#include "framework/exceptions/Exceptions.h"
#include "framework/files/CFileSpec.h"
#include "tests/support/FileTestSupport.h"
#include "tests/support/SoundBuilder.h"

namespace {

std::vector<std::int16_t> Ramp(std::uint32_t frames) {
    std::vector<std::int16_t> samples(frames);
    for (std::uint32_t i = 0; i < frames; ++i) samples[i] = static_cast<std::int16_t>(i * 797 - 32768);
    return samples;
}

std::vector<std::uint8_t> Slice(const std::vector<std::uint8_t>& bytes, std::size_t from, std::size_t count) {
    return {bytes.begin() + static_cast<std::ptrdiff_t>(from), bytes.begin() + static_cast<std::ptrdiff_t>(from + count)};
}

// The characters of a literal, embedded zeros included.
template <std::size_t N>
std::vector<std::uint8_t> Text(const char (&text)[N]) {
    return {text, text + N - 1};
}

void WriteAIFFFile(const CFileSpec& file, const WAVE_SAMPLE& sound) { WriteAIFF(file, sound); }

using Writer = void (*)(const CFileSpec&, const WAVE_SAMPLE&);
const std::pair<const char*, Writer> kWriters[] = {{"a.aif", WriteAIFFFile}, {"a.wav", WriteWAV}};

}  // namespace

TEST(AIFFWriter, WritesTheChunksInOrderWithTheirExactBytes) {
    CTempFolder folder;
    const auto samples = Ramp(5);
    auto sound = SoundOf(samples, 44100);
    sound->SetLoop(1, 4, true);
    WriteAIFF(CFileSpec((folder / "a.aif").string()), *sound);
    const auto bytes = ReadFileBytes(folder / "a.aif");

    // FORM(12) COMM(8+18) SSND(8+8+10) INST(8+20) MARK(8+36)
    ASSERT_EQ(bytes.size(), 12u + 26 + 26 + 28 + 44);
    EXPECT_EQ(Slice(bytes, 0, 12), (std::vector<std::uint8_t>{'F', 'O', 'R', 'M', 0, 0, 0, 128, 'A', 'I', 'F', 'F'}));
    EXPECT_EQ(Slice(bytes, 12, 26), (std::vector<std::uint8_t>{'C', 'O', 'M', 'M', 0, 0, 0, 18, 0, 1, 0, 0, 0, 5, 0,
                                                              16, 0x40, 0x0E, 0xAC, 0x44, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Slice(bytes, 38, 16), (std::vector<std::uint8_t>{'S', 'S', 'N', 'D', 0, 0, 0, 18, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(bytes[54], 0x80);  // first sample -32768, big-endian
    EXPECT_EQ(bytes[55], 0x00);
    EXPECT_EQ(Slice(bytes, 64, 28), (std::vector<std::uint8_t>{'I', 'N', 'S', 'T', 0, 0, 0, 20, 60, 0, 0, 127, 1, 127,
                                                              0, 0, 0, 0, 0, 1, 0, 2, 0, 0, 0, 3, 0, 4}));
    auto mark = Slice(bytes, 92, 44);
    EXPECT_EQ(Slice(mark, 0, 10), (std::vector<std::uint8_t>{'M', 'A', 'R', 'K', 0, 0, 0, 36, 0, 2}));
    EXPECT_EQ(Slice(mark, 10, 7), (std::vector<std::uint8_t>{0, 1, 0, 0, 0, 1, 10}));
    EXPECT_EQ(Slice(mark, 17, 11), Text("Loop start\0"));
    EXPECT_EQ(Slice(mark, 28, 7), (std::vector<std::uint8_t>{0, 2, 0, 0, 0, 4, 8}));
    EXPECT_EQ(Slice(mark, 35, 9), Text("Loop end\0"));
    EXPECT_EQ(SamplesOf(*sound), samples);  // the sound is unchanged
}

TEST(AIFFWriter, AppendsTheAPPLChunkWithItsSignatureAndWritesAnEmptySSND) {
    CTempFolder folder;
    const char data[] = {1, 2, 3, 4};
    WriteAIFF(CFileSpec((folder / "a.aif").string()), *SoundOf(Ramp(3), 44100), "QLSO", data, sizeof data);
    const auto bytes = ReadFileBytes(folder / "a.aif");
    ASSERT_GE(bytes.size(), 16u);
    EXPECT_EQ(Slice(bytes, bytes.size() - 16, 16),
              (std::vector<std::uint8_t>{'A', 'P', 'P', 'L', 0, 0, 0, 8, 'Q', 'L', 'S', 'O', 1, 2, 3, 4}));
    // A sound without frames has an empty SSND chunk.
    WriteAIFF(CFileSpec((folder / "e.aif").string()), *SoundOf({}, 44100));
    const auto empty = ReadFileBytes(folder / "e.aif");
    EXPECT_EQ(Slice(empty, 38, 8), (std::vector<std::uint8_t>{'S', 'S', 'N', 'D', 0, 0, 0, 8}));
    EXPECT_EQ(Slice(empty, 54, 4), Text("INST"));
}

TEST(AIFFWriter, StereoFramesReachSoxInterleaved) {
    CTempFolder folder;
    std::vector<std::int16_t> frames = {1, -1, 300, -300, 32767, -32768};
    WriteStereoAIFF(CFileSpec((folder / "s.aif").string()), 44100, frames);
    EXPECT_EQ(SoxSamples(folder / "s.aif"), frames);
    EXPECT_EQ(RunCommand("soxi -c '" + (folder / "s.aif").string() + "'"), "2\n");
}

// Writing a sound too large for the disk fails with XWrite; the old file is
// whole, no temporary file is left and the sound is unchanged.
TEST(SoundFileWriters, AFullDiskKeepsTheOldFile) {
    const std::vector<std::uint8_t> old(3000, 0x5A);
    const auto samples = Ramp(100000);
    auto sound = SoundOf(samples, 44100);
    for (const auto& [name, write] : kWriters) {
        CTempFolder folder;
        WriteFileBytes(folder / name, old);
        {
            CFileSizeLimit limit(8192);
            EXPECT_THROW(write(CFileSpec((folder / name).string()), *sound), XWrite) << name;
        }
        EXPECT_EQ(ReadFileBytes(folder / name), old);
        EXPECT_EQ(FileCount(folder.Path()), 1);
        EXPECT_EQ(SamplesOf(*sound), samples);
    }
}

TEST(WAVWriter, WritesFmtAndDataWithTheirExactBytesAndNoDataWithoutFrames) {
    CTempFolder folder;
    const auto samples = Ramp(3);
    WriteWAV(CFileSpec((folder / "a.wav").string()), *SoundOf(samples, 22050));
    const auto bytes = ReadFileBytes(folder / "a.wav");
    ASSERT_EQ(bytes.size(), 12u + 24 + 8 + 6);
    EXPECT_EQ(Slice(bytes, 0, 36),
              (std::vector<std::uint8_t>{'R', 'I', 'F', 'F', 42, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 16, 0,
                                         0, 0, 1, 0, 1, 0, 0x22, 0x56, 0, 0, 0x44, 0xAC, 0, 0, 2, 0, 16, 0}));
    EXPECT_EQ(Slice(bytes, 36, 10), (std::vector<std::uint8_t>{'d', 'a', 't', 'a', 6, 0, 0, 0, 0x00, 0x80}));
    // A sound without frames has no data chunk.
    WriteWAV(CFileSpec((folder / "e.wav").string()), *SoundOf({}, 44100));
    EXPECT_EQ(ReadFileBytes(folder / "e.wav").size(), 36u);
}

TEST(SoundFileWriters, SoxAndLibsndfileReadExactlyOurSamples) {
    const auto samples = Ramp(30000);
    CTempFolder folder;
    for (const auto& [name, write] : kWriters) {
        write(CFileSpec((folder / name).string()), *SoundOf(samples, 32000));
        EXPECT_EQ(SoxSamples(folder / name), samples) << name;
        const std::string info = RunCommand("sndfile-info '" + (folder / name).string() + "'");
        EXPECT_NE(info.find("Sample Rate : 32000"), std::string::npos) << info;
        EXPECT_NE(info.find("Frames      : 30000"), std::string::npos) << info;
        EXPECT_NE(info.find("Channels    : 1"), std::string::npos) << info;
    }
}
