#include "app/startup/CStartupSequence.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "framework/exceptions/Exceptions.h"

namespace {

// Records every step; a step can be made to throw or answer differently.
class FakeServices : public CABCStartupServices {
public:
    void CreateOffScreenCaches() override { Step("caches"); }
    void RegisterFileTypes() override { Step("file types"); }
    void CreateDeviceLists() override { Step("device lists"); }
    bool OperatingSystemSupported() override
    {
        Step("os");
        return osSupported;
    }
    void ShowSplashScreen() override { Step("splash"); }
    void BuildMenus() override { Step("menus"); }
    void AllocateScratchBuffers() override { Step("buffers"); }
    void StartSound() override { Step("sound"); }
    bool StartMIDI() override
    {
        Step("midi");
        return midi;
    }
    bool StartSCSI() override
    {
        Step("scsi");
        return scsi;
    }
    void CloseSplashScreen() override { Step("close splash"); }
    PreferencesOutcome ReadPreferences() override
    {
        Step("preferences");
        return preferences;
    }
    void SetDefaultPreferences() override { Step("defaults"); }
    void SearchSamplers() override { Step("search"); }
    void TearDown() override { Step("tear down"); }
    int ShowAlert(ResourceId alert) override
    {
        log.push_back("alert " + std::to_string(alert % 1000));
        return alertAnswer;
    }

    void Step(const std::string& name)
    {
        log.push_back(name);
        if (const auto failure = failures.find(name); failure != failures.end())
            failure->second();
    }

    bool osSupported = true;
    bool midi = true;
    bool scsi = false;
    PreferencesOutcome preferences = PreferencesOutcome::kRead;
    int alertAnswer = 34;
    std::map<std::string, std::function<void()>> failures;
    std::vector<std::string> log;
};

using Log = std::vector<std::string>;

const Log kAllSteps = {"caches", "file types", "device lists", "os", "splash", "menus", "buffers",
                       "sound", "midi", "scsi", "close splash", "preferences"};

}  // namespace

TEST(CStartupSequence, RunsEveryStepInOrderAlsoWithoutASoundCard)
{
    for (const bool card : {true, false}) {
        FakeServices services;
        if (!card)
            services.failures["sound"] = [] { throw XSoundInit(); };
        CStartupSequence sequence(services);
        EXPECT_TRUE(sequence.Initialise());
        EXPECT_EQ(services.log, kAllSteps);
        EXPECT_EQ(sequence.GetAvailability().sound, card);
        EXPECT_TRUE(sequence.GetAvailability().midi);
        EXPECT_FALSE(sequence.GetAvailability().scsi);
    }
}

TEST(CStartupSequence, OtherSoundFailureShowsAlert6AndGoesOn)
{
    FakeServices services;
    services.failures["sound"] = [] { throw XOutOfMemory(); };
    services.failures["midi"] = [] { throw XBase(); };
    services.failures["scsi"] = [] { throw XInternalError(); };
    CStartupSequence sequence(services);
    EXPECT_TRUE(sequence.Initialise());
    EXPECT_EQ(services.log[8], "alert 6");
    EXPECT_EQ(services.log.back(), "preferences");
    EXPECT_FALSE(sequence.GetAvailability().sound);
    EXPECT_FALSE(sequence.GetAvailability().midi);
    EXPECT_FALSE(sequence.GetAvailability().scsi);
}

TEST(CStartupSequence, OldSystemEndsAfterAlert401Only)
{
    FakeServices services;
    services.osSupported = false;
    CStartupSequence sequence(services);
    EXPECT_FALSE(sequence.Initialise());
    EXPECT_EQ(services.log, (Log{"caches", "file types", "device lists", "os", "alert 401", "tear down"}));
}

TEST(CStartupSequence, FailureExitsByKindTearingDownWhatWasSetUp)
{
    const std::vector<std::pair<std::function<void()>, std::string>> cases = {
        {[] { throw XInternalError(); }, "alert 94"},
        {[] { throw XOutOfMemory(); }, "alert 400"},
        {[] { throw std::bad_alloc(); }, "alert 400"},
        {[] { throw XFileNotFound(); }, "alert 13"},
        {[] { throw 42; }, "alert 13"},
    };
    for (const auto& [failure, alert] : cases) {
        FakeServices services;
        services.failures["menus"] = failure;
        CStartupSequence sequence(services);
        EXPECT_FALSE(sequence.Initialise());
        EXPECT_EQ(services.log, (Log{"caches", "file types", "device lists", "os", "splash", "menus", "tear down",
                                     alert}));
    }
    // A failure before the file types tears nothing down.
    FakeServices services;
    services.failures["caches"] = [] { throw XOutOfMemory(); };
    EXPECT_FALSE(CStartupSequence(services).Initialise());
    EXPECT_EQ(services.log, (Log{"caches", "alert 400"}));
}

TEST(CStartupSequence, NoPreferencesAsksForASamplerSearch)
{
    FakeServices services;
    services.preferences = CABCStartupServices::PreferencesOutcome::kNoUsableFile;
    CStartupSequence no(services);
    EXPECT_TRUE(no.Initialise());
    EXPECT_EQ(Log(services.log.end() - 3, services.log.end()), (Log{"preferences", "defaults", "alert 37"}));

    services.log.clear();
    services.alertAnswer = 33;
    CStartupSequence yes(services);
    EXPECT_TRUE(yes.Initialise());
    EXPECT_EQ(services.log.back(), "search");
}
