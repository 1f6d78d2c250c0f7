// The AIFF and WAV readers: files of our own, of sox and hand-made ones.
#include <gtest/gtest.h>

#include "formats/sound/AIFFFile.h"
#include "formats/sound/WAVFile.h"
#include "framework/exceptions/Exceptions.h"
#include "sound/CWaveSample.h"
#include "tests/formats/sound/SoundFileBytes.h"
#include "tests/support/FileTestSupport.h"
#include "tests/support/MemoryBytes.h"

namespace {

std::vector<std::int16_t> SamplesOf(const CWaveSample& sound) {
    return {sound.Data(), sound.Data() + sound.Frames()};
}

const std::vector<std::int16_t> kStereo = {100, -7, 200, -9, -300, 5, 32767, -32768};

}  // namespace

TEST(AIFFReader, ReadsTheInfoOfTheCOMMChunkAndKeepsThePosition) {
    AIFFImage image;
    image.frames = 3;
    image.samples = {1, 2, 3};
    image.rate = {0x40, 0x0E, 0xAC, 0x44, 0xE6, 0x66, 0x66, 0x66, 0x66, 0x66};  // 44100.9, to the nearest hertz
    auto media = MediaOf(image.Bytes());
    media->SetPosition(7);
    SoundFileInfo info;
    ReadAIFFInfo(*media, info);
    EXPECT_EQ(info.channels, 1);
    EXPECT_EQ(info.frameCount, 3u);
    EXPECT_EQ(info.bitsPerSample, 16);
    EXPECT_EQ(info.sampleRate, 44101u);
    EXPECT_EQ(info.supported, 1);
    EXPECT_EQ(media->GetPosition(), 7);
}

TEST(AIFFReader, ReadsWhatSoxWrites) {
    CTempFolder folder;
    std::vector<std::int16_t> samples(5000);
    for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<std::int16_t>(i * 13 - 30000);
    WriteFileBytes(folder / "in.raw", std::vector<std::uint8_t>(reinterpret_cast<const std::uint8_t*>(samples.data()),
                                                               reinterpret_cast<const std::uint8_t*>(samples.data() + samples.size())));
    for (const char* type : {"aiff", "aifc"}) {
        const auto file = folder / (std::string("out.") + type);
        RunCommand("sox -t raw -r 22050 -e signed -b 16 -L -c 1 '" + (folder / "in.raw").string() + "' -t " + type +
                   " '" + file.string() + "'");
        auto sound = ReadAIFF(*MediaOf(ReadFileBytes(file)), "sox");
        EXPECT_EQ(sound->Rate(), 22050u) << type;
        EXPECT_EQ(SamplesOf(*sound), samples) << type;
    }
}

TEST(AIFFReader, ReadsAIFCWithoutCompressionAndLittleEndianSamplesAndSkipsTheSSNDOffset) {
    for (const auto& [compression, offset] : {std::pair{"NONE", 0u}, {"sowt", 0u}, {"", 4u}}) {
        AIFFImage image;
        image.compression = compression;
        image.ssndOffset = offset;
        image.frames = 4;
        image.samples = {1, -2, 0x1234, -32768};
        EXPECT_EQ(SamplesOf(*ReadAIFF(*MediaOf(image.Bytes()), "x")), image.samples) << compression << offset;
    }
}

TEST(AIFFReader, KeepsTheChosenChannelOfAStereoFile) {
    AIFFImage image;
    image.channels = 2;
    image.frames = 4;
    image.samples = kStereo;
    EXPECT_EQ(SamplesOf(*ReadAIFF(*MediaOf(image.Bytes()), "x")), (std::vector<std::int16_t>{100, 200, -300, 32767}));
    EXPECT_EQ(SamplesOf(*ReadAIFF(*MediaOf(image.Bytes()), "x", ChannelChoice::Right)),
              (std::vector<std::int16_t>{-7, -9, 5, -32768}));
    EXPECT_EQ(SamplesOf(*ReadAIFF(*MediaOf(image.Bytes()), "x", ChannelChoice::Mix)),
              (std::vector<std::int16_t>{46, 95, -148, -1}));
}

TEST(AIFFReader, RefusesEachBrokenFileAsBadBeforeAllocatingAndOtherEncodingsAsUnsupported) {
    using Breakage = void (*)(AIFFImage&);
    const std::pair<const char*, Breakage> broken[] = {
        {"33 bits", [](AIFFImage& i) { i.bits = 33; }},
        {"negative frame count", [](AIFFImage& i) { i.frames = 0x80000000; }},
        {"no SSND chunk", [](AIFFImage& i) { i.withSSND = false; }},
        {"rate 0", [](AIFFImage& i) { i.rate = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}; }},
        {"rate NaN", [](AIFFImage& i) { i.rate = {0x7F, 0xFF, 0xC0, 0, 0, 0, 0, 0, 0, 0}; }},
        {"rate infinite", [](AIFFImage& i) { i.rate = {0x7F, 0xFF, 0x80, 0, 0, 0, 0, 0, 0, 0}; }},
        {"rate 2^33", [](AIFFImage& i) { i.rate = {0x40, 0x20, 0x80, 0, 0, 0, 0, 0, 0, 0}; }},
        {"rate 0.5", [](AIFFImage& i) { i.rate = {0x3F, 0xFE, 0x80, 0, 0, 0, 0, 0, 0, 0}; }},
        {"rate -44100", [](AIFFImage& i) { i.rate = {0xC0, 0x0E, 0xAC, 0x44, 0, 0, 0, 0, 0, 0}; }},
    };
    AIFFImage whole;
    whole.frames = 4;
    whole.samples = {1, 2, 3, 4};
    for (const auto& [name, breakage] : broken) {
        AIFFImage image = whole;
        breakage(image);
        EXPECT_THROW(ReadAIFF(*MediaOf(image.Bytes()), "x"), XBadFormat) << name;
    }
    // A file cut short gives the whole frames it holds.
    auto truncated = whole.Bytes();
    truncated.resize(truncated.size() - 3);
    EXPECT_EQ(SamplesOf(*ReadAIFF(*MediaOf(truncated), "x")), (std::vector<std::int16_t>{1, 2}));
    whole.bits = 8;
    EXPECT_THROW(ReadAIFF(*MediaOf(whole.Bytes()), "x"), XUnsupportedFormat);
    whole.bits = 16;
    whole.compression = "ima4";
    EXPECT_THROW(ReadAIFF(*MediaOf(whole.Bytes()), "x"), XUnsupportedFormat);
}

TEST(WAVReader, ReadsWhatSoxWritesInMonoAndStereo) {
    CTempFolder folder;
    WriteFileBytes(folder / "in.raw", std::vector<std::uint8_t>(reinterpret_cast<const std::uint8_t*>(kStereo.data()),
                                                               reinterpret_cast<const std::uint8_t*>(kStereo.data() + kStereo.size())));
    RunCommand("sox -t raw -r 48000 -e signed -b 16 -L -c 2 '" + (folder / "in.raw").string() + "' '" +
               (folder / "s.wav").string() + "'");
    auto media = MediaOf(ReadFileBytes(folder / "s.wav"));
    SoundFileInfo info;
    ReadWAVInfo(*media, info);
    EXPECT_EQ(info.channels, 2);
    EXPECT_EQ(info.frameCount, 4u);
    EXPECT_EQ(info.sampleRate, 48000u);
    EXPECT_EQ(SamplesOf(*ReadWAV(*media, "x", ChannelChoice::Right)), (std::vector<std::int16_t>{-7, -9, 5, -32768}));
}

TEST(WAVReader, ReadsExtensiblePCMAndRefusesOtherSubformatsAsUnsupported) {
    WAVImage image;
    image.format = 0xFFFE;
    image.channels = 2;
    image.samples = kStereo;
    EXPECT_EQ(SamplesOf(*ReadWAV(*MediaOf(image.Bytes()), "x", ChannelChoice::Mix)),
              (std::vector<std::int16_t>{46, 95, -148, -1}));
    image.subformat = 3;  // floating point
    EXPECT_THROW(ReadWAV(*MediaOf(image.Bytes()), "x"), XUnsupportedFormat);
}

TEST(WAVReader, RefusesEightBitAsUnsupportedAndBrokenHeadersAsBad) {
    WAVImage image;
    image.bits = 8;
    image.samples = {0};
    EXPECT_THROW(ReadWAV(*MediaOf(image.Bytes()), "x"), XUnsupportedFormat);
    image.bits = 16;
    image.rate = 0;
    EXPECT_THROW(ReadWAV(*MediaOf(image.Bytes()), "x"), XBadFormat);
    image.rate = 44100;
    image.format = 3;
    EXPECT_THROW(ReadWAV(*MediaOf(image.Bytes()), "x"), XUnsupportedFormat);
}
