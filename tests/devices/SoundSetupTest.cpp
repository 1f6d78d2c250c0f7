// Choosing, opening and pausing the application's sound output.
#include <gtest/gtest.h>

#include <vector>

#include "devices/sound/CABCSoundSetupHost.h"
#include "devices/sound/CRegisteredNullSoundCard.h"
#include "devices/sound/CSoundSetup.h"
#include "devices/sound/CStreamSoundChannel.h"
#include "framework/exceptions/DeviceExceptions.h"
#include "framework/exceptions/GeneralExceptions.h"

namespace {

void Silence(std::int16_t* frames, std::uint32_t count, void*)
{
    std::fill(frames, frames + 2 * count, std::int16_t{0});
}

// A card whose device is taken by another program.
class TakenCard final : public CRegisteredSoundCard {
public:
    explicit TakenCard(const std::string& name) : CRegisteredSoundCard("ALSA", name, "", true, false, {44100}) {}

protected:
    std::unique_ptr<CSoundOutput> OpenOutput(std::uint32_t, std::uint16_t) override
    {
        throw ZDS_DIRECT_SOUND_CREATE_FAILED_EXCEPTION();
    }
};

class RecordingHost final : public CABCSoundSetupHost {
public:
    int ShowAlert(ResourceId alert, const std::string& parameter) override
    {
        alerts.push_back(alert);
        parameters.push_back(parameter);
        return 33;
    }
    void StopPlayback() override { ++stops; }
    void ChannelChanged(CSoundChannel* channel) override { current = channel; }

    std::vector<ResourceId> alerts;
    std::vector<std::string> parameters;
    int stops = 0;
    CSoundChannel* current = nullptr;
};

class SoundSetupTest : public ::testing::Test {
protected:
    RecordingHost host;
    CSoundSetup setup{host, Silence, Silence, nullptr};

    void AddCards()
    {
        setup.Registry().Add(std::make_unique<TakenCard>("hw:Taken"));
        setup.Registry().Add(std::make_unique<CRegisteredNullSoundCard>());
        setup.Registry().Add(std::make_unique<CRegisteredNullSoundCard>());
        setup.RequireCards();
    }
};

}  // namespace

TEST_F(SoundSetupTest, NoUsableCardShowsAlertOneAndLeavesSoundOff)
{
    EXPECT_THROW(setup.RequireCards(), XSoundInit);
    EXPECT_EQ(host.alerts, std::vector<ResourceId>{Res::kAlertNoSound});
    EXPECT_FALSE(setup.IsAvailable());
}

TEST_F(SoundSetupTest, StoredCardIsOpenedWithItsPlayAheadSetting)
{
    AddCards();
    EXPECT_TRUE(setup.ApplyPreferences(48000, "Null", "Null output", "", 4));
    ASSERT_NE(setup.Channel(), nullptr);
    EXPECT_EQ(setup.CardIndex(), 1);
    EXPECT_EQ(setup.Channel()->Rate(), 48000u);
    EXPECT_EQ(setup.Channel()->GetPlayAheadSetting(), 4);
    EXPECT_TRUE(setup.Channel()->IsRunning());
    EXPECT_EQ(host.current, setup.Channel());
    EXPECT_TRUE(host.alerts.empty());
    // A damaged stored rate keeps the rate in force.
    setup.ApplyPreferences(0, "Null", "Null output", "", 3);
    EXPECT_EQ(setup.Channel()->Rate(), 48000u);
    // A setting beyond the channel's is left out.
    const std::uint16_t settings = setup.Channel()->GetPlayAheadSettingCount();
    EXPECT_FALSE(setup.ApplyPreferences(48000, "Null", "Null output", "", settings));
    EXPECT_EQ(setup.Channel()->GetPlayAheadSetting(), 3);
}

TEST_F(SoundSetupTest, StoredCardThatCannotBeOpenedShowsAlertTwelveThenTakesAnother)
{
    AddCards();
    setup.ApplyPreferences(44100, "ALSA", "hw:Taken", "", 4);
    EXPECT_EQ(host.alerts, std::vector<ResourceId>{Res::kAlertSoundCardNotOpened});
    EXPECT_EQ(host.parameters[0], "hw:Taken");
    EXPECT_EQ(setup.CardIndex(), 1);
    EXPECT_EQ(setup.Channel()->GetPlayAheadSetting(), CStreamSoundChannel::kInitialSetting);
}

TEST_F(SoundSetupTest, WhenNoCardOpensAlertSevenDisablesSound)
{
    setup.Registry().Add(std::make_unique<TakenCard>("hw:A"));
    setup.Registry().Add(std::make_unique<TakenCard>("hw:B"));
    setup.RequireCards();
    setup.ApplyPreferences(44100, "x", "y", "z", 0);
    EXPECT_EQ(host.alerts, std::vector<ResourceId>{Res::kAlertNoSoundCardOpened});
    EXPECT_FALSE(setup.IsEnabled());
    EXPECT_EQ(setup.CardIndex(), CSoundSetup::kNone);
}

TEST_F(SoundSetupTest, ChoosingACardThatFailsReopensThePreviousOne)
{
    AddCards();
    ASSERT_TRUE(setup.OpenCard(2));
    EXPECT_FALSE(setup.ChooseCard(0));
    EXPECT_EQ(host.alerts, std::vector<ResourceId>{Res::kAlertSoundCardNotOpened});
    EXPECT_EQ(host.parameters[0], "hw:Taken");
    EXPECT_EQ(setup.CardIndex(), 2);
    EXPECT_EQ(host.current, setup.Channel());
}

TEST_F(SoundSetupTest, NestedPauseStopsPlaybackOnceAndRestartsAtTheLastResume)
{
    AddCards();
    ASSERT_TRUE(setup.OpenCard(1));
    setup.Pause();
    setup.Pause();
    EXPECT_EQ(host.stops, 1);
    EXPECT_FALSE(setup.Channel()->IsRunning());
    // A card opened while paused stays quiet.
    ASSERT_TRUE(setup.OpenCard(2));
    EXPECT_FALSE(setup.Channel()->IsRunning());
    setup.Resume();
    EXPECT_FALSE(setup.Channel()->IsRunning());
    setup.Resume();
    EXPECT_TRUE(setup.Channel()->IsRunning());
    setup.Resume();  // one too many changes nothing
    EXPECT_EQ(setup.PauseDepth(), 0);
}
