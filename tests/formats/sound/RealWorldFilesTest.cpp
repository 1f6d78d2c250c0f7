// Sound files as other programs write them: to a pipe (sizes never filled
// in), with sizes of streaming writers, cut short, in encodings the program
// does not read, at rates it does not take.
#include <gtest/gtest.h>

#include <cerrno>

#include "formats/chunks/ByteOrder.h"
#include "formats/sound/SoundFileExceptions.h"
#include "formats/sound/SoundFileOpen.h"
#include "framework/exceptions/Exceptions.h"
#include "sound/WAVE_SAMPLE.h"
#include "tests/formats/sound/SoundFileBytes.h"
#include "tests/support/FileTestSupport.h"
#include "tests/support/SoundBuilder.h"

namespace {

std::vector<std::int16_t> Left(const std::vector<std::int16_t>& interleaved, int channels) {
    std::vector<std::int16_t> left;
    for (std::size_t i = 0; i < interleaved.size(); i += static_cast<std::size_t>(channels)) left.push_back(interleaved[i]);
    return left;
}

void Patch32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value, bool littleEndian) {
    if (littleEndian)
        WriteLittleEndian32(bytes.data() + at, value);
    else
        WriteBigEndian32(bytes.data() + at, value);
}

// Opens bytes written to a file; the alert it ends in, or 0 and the sound.
ResourceId Open(const std::vector<std::uint8_t>& bytes, std::unique_ptr<WAVE_SAMPLE>* sound = nullptr) {
    CTempFolder folder;
    WriteFileBytes(folder / "loop", bytes);
    try {
        auto opened = OpenSoundFile((folder / "loop").string(), ChannelChoice::Left);
        if (sound) *sound = std::move(opened);
        return 0;
    } catch (...) {
        return SoundFileAlert(std::current_exception());
    }
}

std::vector<std::int16_t> Ramp(std::size_t count) {
    std::vector<std::int16_t> samples(count);
    for (std::size_t i = 0; i < count; ++i) samples[i] = static_cast<std::int16_t>(i * 37 - 9000);
    return samples;
}

}  // namespace

TEST(RealWorldFiles, OpensWhatOtherProgramsWriteBitExact) {
    const std::string tone = "synth 0.3 sine 300 sine 500 gain -3";
    const struct {
        const char* name;
        std::string command;  // writes $F
        int channels;
    } writers[] = {
        {"sox wav to a pipe", "sox -n -r 44100 -c 2 -b 16 -t wav - " + tone + " | cat > \"$F\"", 2},
        {"sox aiff to a pipe", "sox -n -r 22050 -c 1 -b 16 -t aiff - " + tone + " | cat > \"$F\"", 1},
        {"sox aifc to a pipe", "sox -n -r 48000 -c 2 -b 16 -t aifc - " + tone + " | cat > \"$F\"", 2},
        {"python wave", "python3 -c \"import wave, struct; w = wave.open('$F', 'wb'); w.setnchannels(2); "
                        "w.setsampwidth(2); w.setframerate(32000); "
                        "w.writeframes(b''.join(struct.pack('<hh', i * 7 - 20000, -i) for i in range(5001))); w.close()\"",
         2},
    };
    for (const auto& writer : writers) {
        CTempFolder folder;
        const auto file = folder / "written";
        RunCommand("F='" + file.string() + "'; " + writer.command + " 2>/dev/null");
        std::unique_ptr<WAVE_SAMPLE> sound;
        ASSERT_EQ(Open(ReadFileBytes(file), &sound), 0u) << writer.name;
        EXPECT_EQ(SamplesOf(*sound), Left(SoxSamples(file), writer.channels)) << writer.name;
    }
}

TEST(RealWorldFiles, ReadsTheWholeFramesThereWhateverTheSizesSay) {
    const std::vector<std::int16_t> stereo = Ramp(200);  // 100 frames
    WAVImage wav;
    wav.channels = 2;
    wav.samples = stereo;
    AIFFImage aiff;
    aiff.channels = 2;
    aiff.frames = 100;
    aiff.samples = stereo;
    const std::vector<std::uint8_t> wavBytes = wav.Bytes();
    const std::vector<std::uint8_t> aiffBytes = aiff.Bytes();
    const std::size_t dataSize = 40;  // after RIFF WAVE and a 16-byte fmt chunk
    const std::size_t ssndSize = ChunkData(aiffBytes, "SSND") - 4;
    const std::size_t commFrames = ChunkData(aiffBytes, "COMM") + 2;

    const struct {
        const char* name;
        bool wavFile;
        std::size_t at;  // field patched, when value is set
        std::optional<std::uint32_t> value;
        std::size_t cut;  // bytes cut from the end
        std::uint32_t frames;
    } variants[] = {
        {"RIFF size 0", true, 4, 0, 0, 100},
        {"RIFF size unknown", true, 4, 0xFFFFFFFF, 0, 100},
        {"RIFF size of sox to a pipe", true, 4, 0x7FFFF024, 0, 100},
        {"data size 0", true, dataSize, 0, 0, 100},
        {"data size unknown", true, dataSize, 0xFFFFFFFF, 0, 100},
        {"data size of sox to a pipe", true, dataSize, 0x7FFFF000, 0, 100},
        {"WAV cut by one byte", true, 0, std::nullopt, 1, 99},
        {"WAV cut by one frame", true, 0, std::nullopt, 4, 99},
        {"FORM size 0", false, 4, 0, 0, 100},
        {"FORM size unknown", false, 4, 0xFFFFFFFF, 0, 100},
        {"FORM size of sox to a pipe", false, 4, 0x7F000050, 0, 100},
        {"SSND size 0", false, ssndSize, 0, 0, 100},
        {"SSND size unknown", false, ssndSize, 0xFFFFFFFF, 0, 100},
        {"COMM promising more frames", false, commFrames, 0x3F800000, 0, 100},
        {"AIFF cut by one byte", false, 0, std::nullopt, 1, 99},
        {"AIFF cut by three frames", false, 0, std::nullopt, 12, 97},
    };
    for (const auto& variant : variants) {
        std::vector<std::uint8_t> bytes = variant.wavFile ? wavBytes : aiffBytes;
        if (variant.value) Patch32(bytes, variant.at, *variant.value, variant.wavFile);
        bytes.resize(bytes.size() - variant.cut);
        std::unique_ptr<WAVE_SAMPLE> sound;
        ASSERT_EQ(Open(bytes, &sound), 0u) << variant.name;
        const std::vector<std::int16_t> expected = Left(stereo, 2);
        EXPECT_EQ(SamplesOf(*sound), std::vector<std::int16_t>(expected.begin(), expected.begin() + variant.frames))
            << variant.name;
    }
}

TEST(RealWorldFiles, AFileWithoutAWholeFrameOrWithAChunkPastItsEndStaysRefused) {
    WAVImage wav;
    wav.samples = {5};
    std::vector<std::uint8_t> bytes = wav.Bytes();
    bytes.pop_back();
    EXPECT_EQ(Open(bytes), Res::kAlertCouldNotLoadSoundFile);
    AIFFImage aiff;
    aiff.frames = 1;
    aiff.samples = {5};
    bytes = aiff.Bytes();
    Patch32(bytes, ChunkData(bytes, "COMM") - 4, 400, false);  // COMM runs past the end
    EXPECT_EQ(Open(bytes), Res::kAlertCouldNotLoadSoundFile);
}

TEST(RealWorldFiles, OtherEncodingsAndRatesAreUnsupportedNotCorrupt) {
    const struct {
        const char* options;
        ResourceId alert;
    } encodings[] = {
        {"-t wav -e floating-point -b 32", Res::kAlertOnly16Bit}, {"-t wav -e u-law", Res::kAlertOnly16Bit},
        {"-t wav -e a-law", Res::kAlertOnly16Bit},                {"-t wav -e ima-adpcm", Res::kAlertOnly16Bit},
        {"-t wav -e ms-adpcm", Res::kAlertOnly16Bit},             {"-t aifc -e floating-point -b 32", Res::kAlertOnly16Bit},
        {"-t wav -b 24", Res::kAlertOnly16Bit},                   {"-t wav -b 16 -c 4", Res::kAlertOnlyMonoAndStereo},
    };
    for (const auto& encoding : encodings) {
        CTempFolder folder;
        RunCommand(std::string("sox -n -r 8000 ") + encoding.options + " '" + (folder / "x").string() +
                   "' synth 0.1 sine 440");
        EXPECT_EQ(Open(ReadFileBytes(folder / "x")), encoding.alert) << encoding.options;
    }
    for (const auto& [rate, alert] : {std::pair{999u, Res::kAlertOnly16Bit}, {1000u, ResourceId{0}},
                                      {768000u, ResourceId{0}}, {768001u, Res::kAlertOnly16Bit},
                                      {0xFFFFFFFFu, Res::kAlertOnly16Bit}}) {
        WAVImage wav;
        wav.rate = rate;
        wav.samples = Ramp(10);
        EXPECT_EQ(Open(wav.Bytes()), alert) << rate;
    }
}

TEST(RealWorldFiles, AnAIFFRateAHairBelowAWholeRateIsThatRate) {
    for (const auto& [written, read] : {std::pair{44099.99999, 44100u}, {44100.4, 44100u}, {22050.5, 22051u}}) {
        AIFFImage aiff;
        aiff.frames = 1;
        aiff.samples = {5};
        WriteExtended(aiff.rate.data(), written);
        std::unique_ptr<WAVE_SAMPLE> sound;
        ASSERT_EQ(Open(aiff.Bytes(), &sound), 0u);
        EXPECT_EQ(sound->Rate(), read) << written;
    }
}

TEST(RealWorldFiles, AFolderIsNotAMissingFile) {
    CTempFolder folder;
    try {
        OpenSoundFile(folder.Path().string(), ChannelChoice::Left);
        FAIL();
    } catch (const XBase& failure) {
        EXPECT_EQ(SoundFileAlert(std::current_exception()), Res::kAlertCouldNotLoadSoundFile);
        EXPECT_EQ(failure.SystemError(), EISDIR);
    }
}
