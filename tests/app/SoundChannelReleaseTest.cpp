#include "app/sound/CSoundChannelRelease.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace {

class FakeSoundHost : public CABCSoundChannelHost {
public:
    bool IsSoundAvailable() override { return available; }
    void DisableSound() override { available = false; }
    bool IsPlaying() override { return playing; }
    void StopPlayback() override { log.push_back("stop"); }
    std::uint16_t GetCardIndex() override { return card; }
    std::uint16_t GetChannelState() override { return 7; }
    void CloseChannel() override { log.push_back("close"); }
    bool OpenChannel(std::uint16_t c, std::uint16_t state) override
    {
        log.push_back("open " + std::to_string(c) + " " + std::to_string(state));
        const bool ok = openResults.empty() || openResults.front();
        if (!openResults.empty())
            openResults.pop_front();
        return ok;
    }
    std::uint16_t GetOtherCard(std::uint16_t c) override { return static_cast<std::uint16_t>(c + 1); }
    void TellWindowsSoundChanged() override { log.push_back("changed"); }
    int ShowAlert(ResourceId alert) override
    {
        log.push_back("alert " + std::to_string(alert));
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }

    bool available = true;
    bool playing = false;
    std::uint16_t card = 2;
    std::deque<bool> openResults;
    std::deque<int> answers;
    std::vector<std::string> log;
};

using Log = std::vector<std::string>;

}  // namespace

TEST(CSoundChannelRelease, FirstReleaseClosesLastReturnReopens)
{
    FakeSoundHost host;
    CSoundChannelRelease release(host);
    release.Deactivated();
    release.Deactivated();
    EXPECT_EQ(host.log, (Log{"stop", "close", "changed"}));
    release.Activated();
    EXPECT_EQ(release.GetCount(), 1);
    release.Activated();
    EXPECT_EQ(host.log, (Log{"stop", "close", "changed", "open 2 7", "changed"}));
    EXPECT_EQ(release.GetCount(), 0);
}

TEST(CSoundChannelRelease, ReturnAfterUncountedDeactivationOrWithoutSoundChangesNothing)
{
    FakeSoundHost host;
    CSoundChannelRelease release(host);
    host.playing = true;
    release.Deactivated();
    release.Activated();
    EXPECT_EQ(release.GetCount(), 0);
    EXPECT_TRUE(host.log.empty());
    // The next release still closes the channel.
    host.playing = false;
    release.Deactivated();
    EXPECT_EQ(release.GetCount(), 1);
    EXPECT_EQ(host.log, (Log{"stop", "close", "changed"}));
    // Without sound there is nothing to release.
    FakeSoundHost silent;
    silent.available = false;
    CSoundChannelRelease none(silent);
    none.Deactivated();
    none.Activated();
    EXPECT_TRUE(silent.log.empty());
}

TEST(CSoundChannelRelease, TakenChannelRetriesTriesOtherOrDisables)
{
    FakeSoundHost host;
    CSoundChannelRelease release(host);
    release.Deactivated();
    host.log.clear();
    host.openResults = {false, false, false, true};
    // Retry on card 2 fails again; Try other gets card 3... which fails, then Retry on 3 works.
    host.answers = {33, 34, 33};
    release.Activated();
    EXPECT_EQ(host.log, (Log{"open 2 7", "alert 500129019", "open 2 7", "alert 500129019", "open 3 7",
                             "alert 500129019", "open 3 7", "changed"}));
    EXPECT_TRUE(host.available);

    release.Deactivated();
    host.log.clear();
    host.openResults = {false};
    host.answers = {35};
    release.Activated();
    EXPECT_FALSE(host.available);
    EXPECT_EQ(host.log.back(), "changed");
}
