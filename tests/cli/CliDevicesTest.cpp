// quillet-cli devices: the stand-ins the environment asks for, as text and
// as JSON, and what it says about bad input.
#include <gtest/gtest.h>

#include "tests/cli/CliRunner.h"

namespace {

const std::string kStandIns = "QUILLET_MIDI_PORTS=loopback QUILLET_SCSI_BUSES=simulated";

}  // namespace

TEST(CliDevices, JsonListsTheLoopbackPairAndTheSimulatedBus) {
    const CliRun run = RunCli("devices --json", kStandIns);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Python(run.out, "sorted(j.keys())"), "['midi_inputs', 'midi_outputs', 'scsi_buses']\n");
    EXPECT_EQ(Python(run.out, "[p for p in j['midi_inputs'] if p['name'] == 'Loopback 1']"), "[{'name': 'Loopback 1'}]\n");
    EXPECT_EQ(Python(run.out, "[p for p in j['midi_outputs'] if p['name'] == 'Loopback 1']"), "[{'name': 'Loopback 1'}]\n");
    EXPECT_EQ(Python(run.out, "[b for b in j['scsi_buses'] if b['name'] == 'Simulated SCSI bus']"),
              "[{'name': 'Simulated SCSI bus', 'targets': []}]\n");
}

TEST(CliDevices, TextNamesEveryPortAndBus) {
    const CliRun run = RunCli("devices", kStandIns);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("MIDI inputs:\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("  Loopback 1\nMIDI outputs:"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("  Simulated SCSI bus [Simulated host adapter]\n"), std::string::npos) << run.out;
}

TEST(CliDevices, UnknownStandInsAndArgumentsAreRefusedInOneLine) {
    struct Case {
        const char* arguments;
        const char* environment;
        const char* error;
    };
    for (const Case& c : {Case{"devices", "QUILLET_SCSI_BUSES=simulated,floppy",
                               "quillet-cli devices: QUILLET_SCSI_BUSES names no stand-in called \"floppy\"\n"},
                          Case{"devices extra", "", "quillet-cli devices: unexpected argument extra\n"},
                          Case{"devices", "QUILLET_SCSI_BUSES=simulated QUILLET_SCSI_TRACE=/proc/none",
                               "quillet-cli devices: cannot write the SCSI trace into /proc/none\n"}}) {
        const CliRun run = RunCli(c.arguments, c.environment);
        EXPECT_NE(run.status, 0) << c.arguments;
        EXPECT_EQ(run.err.substr(0, run.err.find('\n') + 1), c.error);
    }
}
