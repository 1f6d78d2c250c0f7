#include <gtest/gtest.h>

#include "devices/sound/CRegisteredFileSoundCard.h"
#include "devices/sound/CRegisteredNullSoundCard.h"
#include "devices/sound/CSoundCardRegistry.h"

namespace {

void Ignore(std::int16_t*, std::uint32_t, void*) {}

}  // namespace

TEST(SoundCardRegistry, ListsOnlyTheStandInsAskedFor)
{
    CSoundCardRegistry registry;
    registry.ListStandInCards("null,bogus,file:/tmp/heard.wav");
    ASSERT_EQ(registry.Count(), 2);
    EXPECT_EQ(registry.CardAt(0).DriverKind(), "Null");
    EXPECT_EQ(registry.CardAt(1).DriverKind(), "File");
    EXPECT_EQ(registry.CardAt(1).ModuleName(), "/tmp/heard.wav");

    CSoundCardRegistry none;
    none.ListStandInCards("");
    EXPECT_EQ(none.Count(), 0);
}

TEST(SoundCardRegistry, FindsCardsByTheirStoredNamesAndChannels)
{
    CSoundCardRegistry registry;
    registry.ListStandInCards("file:a.wav,null,file:b.wav");
    EXPECT_EQ(registry.Find("File", "WAV file recorder", "b.wav"), 2);
    EXPECT_EQ(registry.Find("file", "WAV file recorder", "b.wav"), CSoundCardRegistry::kNotFound);
    // Stored names lose their line feeds; either side may hold them.
    EXPECT_EQ(registry.Find("File", "WAV file \nrecorder", "b.wav\n"), 2);
    EXPECT_EQ(registry.Find("File", "WAV filerecorder", "b.wav"), CSoundCardRegistry::kNotFound);

    auto channel = registry.CardAt(1).OpenChannel(44100, Ignore, Ignore, nullptr, 2);
    EXPECT_EQ(registry.IndexOfChannelCard(*channel), 1);
    CRegisteredNullSoundCard elsewhere;
    auto stray = elsewhere.OpenChannel(44100, Ignore, Ignore, nullptr, 2);
    EXPECT_EQ(registry.IndexOfChannelCard(*stray), CSoundCardRegistry::kNotFound);

    channel.reset();
    registry.RemoveKind("File");
    ASSERT_EQ(registry.Count(), 1);
    EXPECT_EQ(registry.CardAt(0).DriverKind(), "Null");
}
