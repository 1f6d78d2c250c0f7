// quillet-cli transmit and receive against the simulated E-mu sampler on the
// simulated SCSI bus, found by its type or reached at its SCSI address.
#include <gtest/gtest.h>

#include "document/export/DocumentFile.h"
#include "framework/files/CFileSpec.h"
#include "tests/cli/CliRunner.h"
#include "tests/support/LoopFixture.h"

namespace {

constexpr const char* kSimulated = "QUILLET_SIMULATED_SAMPLERS=emu";

class CliEMUTransferTest : public testing::Test {
protected:
    void SetUp() override { WriteDocument(CFileSpec(Path("Funky.qlt")), *MakeLoop(700, 44100, {0, 250, 480})); }
    std::string Quoted(const std::string& name) const { return "'" + Path(name) + "'"; }
    std::string Path(const std::string& name) const { return (folder_ / name).string(); }

    CTempFolder folder_;
};

}  // namespace

TEST_F(CliEMUTransferTest, SlicesGoOutByTypeOrAddressAndASampleComesBack) {
    const CliRun sent = RunCli("transmit " + Quoted("Funky.qlt") + " --quiet --to 'E-mu E4X via SCSI'",
                               std::string(kSimulated) + " QUILLET_SCSI_TRACE=" + Quoted("trace"));
    ASSERT_EQ(sent.status, 0) << sent.err;
    EXPECT_EQ(sent.out, "sent 3 sample(s) to My E4X via SCSI, numbers 1 to 3\n");
    const std::string trace = RunCommand("cat " + Quoted("trace") + "/*.scsi.txt");
    EXPECT_NE(trace.find("SMDI"), std::string::npos);

    const CliRun placed = RunCli("transmit " + Quoted("Funky.qlt") +
                                     " --quiet --to 'E-mu e-6400 via SCSI' --scsi 0:5 --sample-number 997",
                                 kSimulated);
    EXPECT_EQ(placed.status, 0) << placed.err;
    EXPECT_EQ(placed.out, "sent 3 sample(s) to My e-6400 via SCSI, numbers 997 to 999\n");

    const CliRun received =
        RunCli("receive --from 'E-mu E4X via SCSI' --sample 1 --out " + Quoted("Tom.wav"), kSimulated);
    ASSERT_EQ(received.status, 0) << received.err;
    EXPECT_EQ(SoxSamples(Path("Tom.wav")).size(), 600u);

    const CliRun outside = RunCli("receive --from 'E-mu E4X via SCSI' --sample 0 --out X.wav", kSimulated);
    EXPECT_EQ(outside.status, 2);
    EXPECT_EQ(outside.err.substr(0, outside.err.find('\n') + 1),
              "quillet-cli receive: --sample of this sampler: 1 to 999\n");
    const CliRun missing = RunCli("receive --from 'E-mu E4X via SCSI' --sample 2 --out X.wav", kSimulated);
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("Operation rejected by sampler!"), std::string::npos) << missing.err;
}
