// quillet-cli transmit and receive against the simulated SDS sampler, end
// to end in real time (so on small loops): what went over the wire is
// decoded by a reader written from the Sample Dump Standard alone and must
// be the slices export writes; failures end in one line and exit 1. And
// against the simulated E-mu sampler on the simulated SCSI bus, found by its
// type or reached at its SCSI address.
#include <gtest/gtest.h>

#include "devices/midi/CMIDIPortLists.h"
#include "devices/scsi/CSCSIBusTable.h"
#include "document/export/DocumentFile.h"
#include "framework/files/CFileSpec.h"
#include "samplers/devices/CSamplerDevices.h"
#include "samplers/model/SamplerFamily.h"
#include "samplers/preferences/CQuilletPreferencesFile.h"
#include "samplers/preferences/QuilletPreferences.h"
#include "tests/cli/CliRunner.h"
#include "tests/support/LoopFixture.h"
#include "tests/support/SamplerTestRig.h"

namespace {

constexpr const char* kSDS = "--to 'MIDI Sample Dump Standard via MIDI'";
constexpr const char* kSimulated = "QUILLET_SIMULATED_SAMPLERS=sds";
constexpr const char* kSimulatedEMU = "QUILLET_SIMULATED_SAMPLERS=emu";
constexpr const char* kSimulatedAKAI = "QUILLET_SIMULATED_SAMPLERS=akai";
constexpr const char* kSimulatedS760 = "QUILLET_SIMULATED_SAMPLERS=roland";

// Reads the program's Dump Headers and Data Packets from the .syx trace in
// a folder, as any SDS receiver would, checks the packet numbers and
// checksums, and compares every sample with the slice files (WAV) in its
// "slices" folder, in name order. Prints "ok N" or what differs.
const char* const kDecoder = R"(
import sys, os, wave, struct
syx = open(os.path.join(sys.argv[1], 'trace', 'Simulated SDS Sampler.out.syx'), 'rb').read()
messages, start = [], None
for i, b in enumerate(syx):
    if b == 0xF0: start = i
    elif b == 0xF7 and start is not None:
        messages.append(syx[start:i + 1]); start = None
samples, current, expected = [], None, 0
for m in messages:
    if len(m) == 21 and m[1] == 0x7E and m[3] == 0x01:
        number = m[4] | m[5] << 7
        bits = m[6]
        length = m[10] | m[11] << 7 | m[12] << 14
        current = (number, bits, length, [])
        samples.append(current)
        expected = 0
    elif len(m) == 127 and m[1] == 0x7E and m[3] == 0x02:
        assert m[4] == expected, 'packet %d where %d was due' % (m[4], expected)
        expected = (expected + 1) % 128
        check = 0
        for b in m[1:125]: check ^= b
        assert check & 0x7F == m[125], 'checksum'
        number, bits, length, words = current
        assert bits == 16, 'bits %d' % bits
        for k in range(40):
            if len(words) == length: break
            b0, b1, b2 = m[5 + 3 * k:8 + 3 * k]
            words.append(((b0 << 9) | (b1 << 2) | (b2 >> 5)) - 0x8000)
folder = os.path.join(sys.argv[1], 'slices')
files = sorted(f for f in os.listdir(folder) if f.endswith('.wav'))
assert len(files) == len(samples), '%d files, %d samples' % (len(files), len(samples))
for index, (name, (number, bits, length, words)) in enumerate(zip(files, samples)):
    w = wave.open(os.path.join(folder, name))
    frames = w.readframes(w.getnframes())
    expected_words = list(struct.unpack('<%dh' % w.getnframes(), frames))
    assert number == index, 'sample number %d' % number
    assert len(words) == length == len(expected_words), '%s: %d words, %d frames' % (name, len(words), len(expected_words))
    assert words == expected_words, name + ' differs'
print('ok', len(samples))
)";

class CliTransferTest : public CliFolderTest {
protected:
    // A document of 700 full-range frames with locked slice points at 0, 250 and 480.
    void SetUp() override {
        auto document = MakeLoop(700, 44100, {0, 250, 480});
        for (std::uint32_t i = 0; i < 700; ++i)
            document->Sound().Samples().WriteSample(i, static_cast<std::int16_t>(i * 7919u + (i % 2 ? 0x8000u : 0u)));
        WriteDocument(CFileSpec(Path("Funky.qlt")), *document);
    }
};

}  // namespace

TEST_F(CliTransferTest, TransmittedDumpsDecodeIntoTheExportedSlices) {
    const CliRun sent = RunCli("transmit " + Quoted("Funky.qlt") + " --normalize " + kSDS,
                               std::string(kSimulated) + " QUILLET_MIDI_TRACE=" + Quoted("trace"));
    ASSERT_EQ(sent.status, 0) << sent.err;
    EXPECT_EQ(sent.out, "sent 3 sample(s) to My Sample Dump Standard via MIDI, numbers 0 to 2\n");
    const CliRun exported =
        RunCli("export " + Quoted("Funky.qlt") + " --normalize --type wav --slices " + Quoted("slices"));
    ASSERT_EQ(exported.status, 0) << exported.err;
    EXPECT_EQ(RunPython(kDecoder, Path("")), "ok 3\n");
}

TEST_F(CliTransferTest, ReceivedSampleBecomesASoundFileAndADocument) {
    const CliRun run = RunCli("receive --from 'MIDI Sample Dump Standard via MIDI' --sample 0 --out " +
                                  Quoted("Tom.aif") + " --save " + Quoted("Tom.qlt"),
                              kSimulated);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(SoxSamples(Path("Tom.aif")).size(), 600u);
    EXPECT_TRUE(std::filesystem::exists(Path("Tom.qlt")));
}

TEST_F(CliTransferTest, AnInstalledSamplerIsReachedByItsName) {
    // The window program's preferences with an SDS sampler "Rack" on the simulated sampler's ports.
    CMIDIPortLists ports;
    ports.AddLoopbackPair("Simulated SDS Sampler");
    CSCSIBusTable buses;
    CSamplerDevices devices(ports, buses);
    FakePreferencesEnvironment environment;
    environment.withSound = false;
    environment.connections.inputs = {devices.MIDIInName(0)};
    environment.connections.outputs = {devices.MIDIOutName(0)};
    QuilletPreferences preferences;
    auto rack = MakeSampler(environment.types, kSDSTypeId);
    rack->SetName("Rack");
    preferences.samplers.Add(std::move(rack));
    std::filesystem::create_directories(folder_ / "Quillet");
    CQuilletPreferencesFile((folder_ / "Quillet" / "Quillet Preferences.prf").string()).Save(preferences, environment);

    const CliRun run = RunCli("receive --from Rack --sample 0 --quiet --out " + Quoted("Tom.wav"),
                              std::string(kSimulated) + " XDG_CONFIG_HOME=" + Quoted(""));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(SoxSamples(Path("Tom.wav")).size(), 600u);
}

TEST_F(CliTransferTest, FailuresEndInOneLine) {
    const struct {
        const char* arguments;
        const char* environment;
        int status;
        const char* line;
    } cases[] = {
        {"receive --from 'MIDI Sample Dump Standard via MIDI' --sample 7 --out X.wav", kSimulated, 1,
         "quillet-cli receive: Operation rejected by sampler! Please check your sampler OS version and settings and "
         "try again.\n"},
        {"receive --from 'MIDI Sample Dump Standard via MIDI' --sample 0 --out X.wav", "", 1,
         "quillet-cli: no MIDI Sample Dump Standard via MIDI sampler answered; give --midi-in and --midi-out or "
         "--scsi to say where it is\n"},
        {"receive --from 'MIDI Sample Dump Standard via MIDI' --sample 20000 --out X.wav", kSimulated, 2,
         "quillet-cli receive: --sample of this sampler: 0 to 16383\n"},
        {"receive --from 'SoundFonts' --sample 0 --out X.wav", kSimulated, 2,
         "quillet-cli receive: transfers with SoundFonts samplers are not available\n"},
        {"receive --from 'MIDI Sample Dump Standard via MIDI' --sample 0 --out X.txt", kSimulated, 2,
         "quillet-cli receive: --out takes a .wav or .aif file\n"},
        {"transmit Missing.wav --to 'MIDI Sample Dump Standard via MIDI'", kSimulated, 1, nullptr},
        {"transmit Funky.qlt --to Nobody", kSimulated, 2, nullptr},
        {"transmit Missing.wav --to 'MIDI Sample Dump Standard via MIDI' --midi-in 0", kSimulated, 2,
         "quillet-cli transmit: --midi-in and --midi-out go together\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        std::string arguments = c.arguments;
        if (const auto at = arguments.find("Funky.qlt"); at != std::string::npos)
            arguments.replace(at, 9, Quoted("Funky.qlt"));
        const CliRun run = RunCli(arguments + " --quiet", c.environment);
        EXPECT_EQ(run.status, c.status) << run.err;
        if (c.line) {
            EXPECT_EQ(run.err.substr(0, run.err.find('\n') + 1), c.line);
        }
        EXPECT_FALSE(std::filesystem::exists("X.wav"));
    }
}

TEST_F(CliTransferTest, EMUSlicesGoOutByTypeOrAddressAndASampleComesBack) {
    const CliRun sent = RunCli("transmit " + Quoted("Funky.qlt") + " --quiet --to 'E-mu E4X via SCSI'",
                               std::string(kSimulatedEMU) + " QUILLET_SCSI_TRACE=" + Quoted("trace"));
    ASSERT_EQ(sent.status, 0) << sent.err;
    EXPECT_EQ(sent.out, "sent 3 sample(s) to My E4X via SCSI, numbers 1 to 3\n");
    const std::string trace = RunCommand("cat " + Quoted("trace") + "/*.scsi.txt");
    EXPECT_NE(trace.find("SMDI"), std::string::npos);

    const CliRun placed = RunCli("transmit " + Quoted("Funky.qlt") +
                                     " --quiet --to 'E-mu e-6400 via SCSI' --scsi 0:5 --sample-number 997 "
                                     "--sample-name Funk",
                                 std::string(kSimulatedEMU) + " QUILLET_SCSI_TRACE=" + Quoted("named"));
    EXPECT_EQ(placed.status, 0) << placed.err;
    EXPECT_EQ(placed.out, "sent 3 sample(s) to My e-6400 via SCSI, numbers 997 to 999\n");
    EXPECT_NE(RunCommand("cat " + Quoted("named") + "/*.scsi.txt").find("Funk 3"), std::string::npos);

    const CliRun received =
        RunCli("receive --from 'E-mu E4X via SCSI' --sample 1 --out " + Quoted("Tom.wav"), kSimulatedEMU);
    ASSERT_EQ(received.status, 0) << received.err;
    EXPECT_EQ(SoxSamples(Path("Tom.wav")).size(), 600u);

    const CliRun outside = RunCli("receive --from 'E-mu E4X via SCSI' --sample 0 --out X.wav", kSimulatedEMU);
    EXPECT_EQ(outside.status, 2);
    EXPECT_EQ(outside.err.substr(0, outside.err.find('\n') + 1),
              "quillet-cli receive: --sample of this sampler: 1 to 999\n");
    const CliRun missing = RunCli("receive --from 'E-mu E4X via SCSI' --sample 2 --out X.wav", kSimulatedEMU);
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("Operation rejected by sampler!"), std::string::npos) << missing.err;
}

TEST_F(CliTransferTest, A3000SampleComesBackAndAMissingOneFailsInOneLine) {
    constexpr const char* kSimulatedYamaha = "QUILLET_SIMULATED_SAMPLERS=yamaha";
    const CliRun received = RunCli("receive --from 'Yamaha A3000 via MIDI+SCSI' --sample 1 --out " + Quoted("Tom.wav"),
                                   kSimulatedYamaha);
    ASSERT_EQ(received.status, 0) << received.err;
    EXPECT_EQ(SoxSamples(Path("Tom.wav")).size(), 600u);
    const CliRun missing = RunCli("receive --from 'Yamaha A3000 via MIDI' --sample 2 --out X.wav", kSimulatedYamaha);
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("Sampler communication error!"), std::string::npos) << missing.err;
}

TEST_F(CliTransferTest, AKAIProgramGoesOutOverSCSIAndASampleComesBackOverMIDI) {
    const CliRun sent = RunCli("transmit " + Quoted("Funky.qlt") +
                                   " --quiet --to 'AKAI S3000XL via SCSI' --scsi 0:2 --program-name 'Funky_1'",
                               kSimulatedAKAI);
    ASSERT_EQ(sent.status, 0) << sent.err;
    EXPECT_NE(sent.out.find("; program \"FUNKY 1\" with 3 keygroups\n"), std::string::npos) << sent.out;
    const CliRun received = RunCli("receive --from 'AKAI S1000 via MIDI' --midi-in 'Simulated AKAI S1000' --midi-out "
                                   "'Simulated AKAI S1000' --sample 0 --out " + Quoted("Tom.wav"),
                                   kSimulatedAKAI);
    ASSERT_EQ(received.status, 0) << received.err;
    EXPECT_EQ(SoxSamples(Path("Tom.wav")).size(), 600u);
}

// Over the real-time MIDI wire a transmission to an Ensoniq sampler takes
// tens of seconds, so the batch tool is tried here on the short receive.
TEST_F(CliTransferTest, EnsoniqWaveSampleComesBackFromTheSimulatedASR10) {
    const CliRun received = RunCli("receive --from 'Ensoniq ASR-10/ASR-88 via MIDI' --sample 1 --out " +
                                       Quoted("Tom.wav"),
                                   "QUILLET_SIMULATED_SAMPLERS=ensoniq");
    ASSERT_EQ(received.status, 0) << received.err;
    EXPECT_EQ(SoxSamples(Path("Tom.wav")).size(), 600u);
}

TEST_F(CliTransferTest, S760SampleComesBackByItsNumber) {
    const CliRun received =
        RunCli("receive --from 'Roland S-760 via MIDI' --sample 0 --out " + Quoted("Tom.wav"), kSimulatedS760);
    ASSERT_EQ(received.status, 0) << received.err;
    EXPECT_EQ(SoxSamples(Path("Tom.wav")).size(), 596u);  // the dump less the 4 frames after the end
    const CliRun outside = RunCli("receive --from 'Roland S-760 via MIDI' --sample 512 --out X.wav", kSimulatedS760);
    EXPECT_EQ(outside.err.substr(0, outside.err.find('\n') + 1),
              "quillet-cli receive: --sample of this sampler: 0 to 511\n");
}
