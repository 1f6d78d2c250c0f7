// Finding samplers on the scans' answers, offering them, and verifying the
// installed ones.
#include <gtest/gtest.h>

#include "framework/exceptions/DeviceExceptions.h"
#include "framework/exceptions/GeneralExceptions.h"
#include "framework/exceptions/SamplerExceptions.h"
#include "samplers/search/CABCFoundSamplerQuestion.h"
#include "samplers/search/CABCSamplerScanner.h"
#include "samplers/search/CSamplerFinder.h"
#include "samplers/search/CSamplerVerifier.h"
#include "tests/support/SamplerTestRig.h"
#include "tests/support/AlertRecorder.h"

namespace {

class FakeScanner : public CABCSamplerScanner {
public:
    std::vector<MIDIFoundRecord> ScanMIDI() override
    {
        ++midiScans;
        return midi;
    }
    std::vector<SCSIFoundRecord> ScanSCSI() override
    {
        ++scsiScans;
        return scsi;
    }
    std::vector<MIDIFoundRecord> midi;
    std::vector<SCSIFoundRecord> scsi;
    int midiScans = 0;
    int scsiScans = 0;
};

// Answers the Found Sampler question with the answers lined up (then yes).
class FakeQuestion : public CABCFoundSamplerQuestion {
public:
    bool Ask(const CInstalledSampler& found, ResourceId, const CInstalledSamplerList&) override
    {
        asked.push_back(found.Type().TypeId());
        if (answers.empty())
            return true;
        const bool answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }
    std::vector<bool> answers;
    std::vector<std::uint32_t> asked;
};

// Identification that raises what a test says for one type.
class ThrowingIdentification : public FakeIdentification {
public:
    std::optional<CVersion> Identify(const CInstalledSampler& sampler) override
    {
        if (failure)
            std::rethrow_exception(failure);
        return FakeIdentification::Identify(sampler);
    }
    std::exception_ptr failure;
};

class SamplerSearchTest : public ::testing::Test {
protected:
    ThrowingIdentification identification;
    CSupportedSamplerRegistry types{identification};
    FakeScanner scanner;
    FakeQuestion question;
    CSamplerFinder finder{types, scanner, question};
    CSamplerVerifier verifier{finder};
    AlertRecorder alerts;
    CInstalledSamplerList installed;

    std::vector<std::uint32_t> TypesOf(const CInstalledSamplerList& list)
    {
        std::vector<std::uint32_t> ids;
        for (std::uint16_t i = 0; i < list.Count(); ++i)
            ids.push_back(list.At(i).Type().TypeId());
        return ids;
    }
};

}  // namespace

TEST_F(SamplerSearchTest, OneSamplerPerTypeAndMIDIAndSCSIPairs)
{
    scanner.midi = {{0, 0, 3, 4000, {4, 40}}, {1, 1, 5, 4000, {4, 40}}, {0, 0, 0, 1000, {3, 1}}};
    scanner.scsi = {{4, 0, 1002, {3, 10}}, {2, 1, 1012, {2, 90}}, {6, 0, 5111, {4, 0}}};
    const CInstalledSamplerList found = finder.FindSamplers(true, true);
    EXPECT_EQ(TypesOf(found), (std::vector<std::uint32_t>{4000, 1000, 1002, 5111}));
    EXPECT_EQ(found.At(0).SysexID(), 3);
    const CInstalledSampler& both = found.At(2);
    EXPECT_EQ(both.SCSIID(), 4);
    EXPECT_EQ(both.FoundOS(), CVersion(3, 10));  // the SCSI answer's version
    EXPECT_TRUE(alerts.Shown(Res::kAlertMIDIConnectionMissing, "Kurzweil K2500 via MIDI+SCSI"));
}

TEST_F(SamplerSearchTest, FindAllOffersRecentSamplersAndAddsThoseTaken)
{
    EXPECT_FALSE(finder.FindAllSamplers(installed));
    EXPECT_TRUE(alerts.Shown(Res::kAlertNoSamplersFound));

    installed.InstallPseudoSamplers(types);
    auto s760 = MakeSampler(types, 2000);
    s760->SetSysexID(2);
    installed.Add(std::move(s760));
    scanner.midi = {{0, 0, 1, 4000, {4, 30}},          // too old: a note, not offered
                    {0, 0, 2, 2000, CVersion::Unknown()},  // the one installed: a double
                    {0, 0, 0, 6000, CVersion::Unknown()},  // never too old when unknown
                    {0, 0, 0, 1010, {2, 80}}};
    question.answers = {true, true, false};
    alerts.shown.clear();
    EXPECT_TRUE(finder.FindAllSamplers(installed));
    ASSERT_EQ(alerts.shown.size(), 1u);
    EXPECT_NE(alerts.shown[0].find("too old (version 4.30)"), std::string::npos) << alerts.shown[0];
    EXPECT_EQ(question.asked, (std::vector<std::uint32_t>{2000, 6000, 1010}));
    EXPECT_EQ(TypesOf(installed), (std::vector<std::uint32_t>{1, 8, 16, 24, 32, 2000, 6000}));
    EXPECT_EQ(installed.Selected()->Type().TypeId(), 6000u);
    EXPECT_TRUE(installed.Selected()->IsVerified());
}

TEST_F(SamplerSearchTest, FindOfTypeScansWhereTheTypeIsConnected)
{
    scanner.midi = {{0, 1, 7, 1000, {3, 1}}};
    EXPECT_EQ(finder.FindSamplerOfType(4131, Res::kStringAddThisSampler, installed), nullptr);
    EXPECT_EQ(scanner.midiScans, 0);
    EXPECT_EQ(scanner.scsiScans, 1);
    EXPECT_TRUE(alerts.Shown(Res::kAlertSamplerNotFound, "AKAI S2000 via SCSI"));

    question.answers = {false};
    EXPECT_EQ(finder.FindSamplerOfType(1000, Res::kStringAddThisSampler, installed), nullptr);
    EXPECT_EQ(alerts.Count(Res::kAlertSamplerNotFound, "Kurzweil K2000 via MIDI"), 0);
    auto found = finder.FindSamplerOfType(1000, Res::kStringAddThisSampler, installed);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->SysexID(), 7);
    EXPECT_EQ(found->MIDIIn(), 1);
    EXPECT_EQ(scanner.scsiScans, 1);
}

TEST_F(SamplerSearchTest, VerificationFailuresShowTheirAlerts)
{
    struct Case {
        std::exception_ptr failure;
        ResourceId alert;
    };
    const Case cases[] = {
        {std::make_exception_ptr(XSysexTimedOut()), Res::kAlertMIDICommunication},
        {std::make_exception_ptr(XAKAISCSITimedOut()), Res::kAlertSCSICommunication},
        {std::make_exception_ptr(XSCSI()), Res::kAlertSCSICommunication},
        {std::make_exception_ptr(XAKAIReceivedError()), Res::kAlertOperationRejected},
        {std::make_exception_ptr(XK2000InvalidTag()), Res::kAlertSamplerCommunication},
        {std::make_exception_ptr(XOutOfMemory()), Res::kAlertNotEnoughMemory},
        {std::make_exception_ptr(XFailedOpeningMIDIPort()), 0},
    };
    for (const Case& c : cases) {
        alerts.shown.clear();
        identification.failure = c.failure;
        CInstalledSampler sampler(*types.Find(1000));
        EXPECT_FALSE(verifier.VerifySampler(sampler));
        EXPECT_EQ(alerts.shown.size(), c.alert ? 1u : 0u);
        EXPECT_TRUE(c.alert == 0 || alerts.Shown(c.alert));
    }
    identification.failure = std::make_exception_ptr(XInternalError());
    CInstalledSampler sampler(*types.Find(1000));
    EXPECT_THROW(verifier.VerifySampler(sampler), XInternalError);
}

TEST_F(SamplerSearchTest, TooOldInstalledSamplerIsVerifiedButRefused)
{
    identification.answers[1000] = CVersion(2, 99);
    CInstalledSampler sampler(*types.Find(1000));
    EXPECT_FALSE(verifier.VerifySampler(sampler));
    EXPECT_TRUE(sampler.IsVerified());
    ASSERT_EQ(alerts.shown.size(), 1u);
    EXPECT_NE(alerts.shown[0].find("Kurzweil K2000 via MIDI sampler is too old (version 2.99)"), std::string::npos);
}

TEST_F(SamplerSearchTest, UnreachableSamplersAreRetriedSkippedOrFoundAgain)
{
    installed.InstallPseudoSamplers(types);
    auto k2000 = MakeSampler(types, 1000);
    k2000->SetName("Rack K");
    installed.Add(std::move(k2000));
    installed.Add(MakeSampler(types, 4000));
    installed.Add(MakeSampler(types, 2000));
    installed.Select(5);
    scanner.midi = {{1, 1, 9, 1000, {3, 1}}};
    // K2000: Retry, then Find (found again on other ports); S1000: Skip;
    // S-760: Find, nothing found.
    alerts.answers = {35, 34, 33, 34};
    EXPECT_TRUE(verifier.VerifyInstalledSamplers(installed));
    EXPECT_EQ(alerts.Count(Res::kAlertSamplerUnreachable, "Rack K"), 2);
    EXPECT_TRUE(alerts.Shown(Res::kAlertSamplerNotFoundRemoved, "Roland S-760 via MIDI"));
    EXPECT_EQ(TypesOf(installed), (std::vector<std::uint32_t>{1, 8, 16, 24, 32, 4000, 1000}));
    EXPECT_EQ(installed.Selected()->Name(), "Rack K");
    EXPECT_EQ(installed.Selected()->SysexID(), 9);
    EXPECT_FALSE(installed.At(5).IsVerified());
    EXPECT_TRUE(installed.At(0).IsVerified());
}
