#pragma once
// A document window's model over a hand-made loop: a ramp of 88200 frames
// at 44.1 kHz named "Beat" with locked slice points where a test asks.
#include <filesystem>
#include <initializer_list>
#include <memory>

#include "document/playback/CWavePlayer.h"
#include "document/playback/CWavePlayerNotifier.h"
#include "document/window/CQuilletWindowModel.h"
#include "tests/support/FakeWindowHost.h"

class NullNotifier : public CWavePlayerNotifier {
public:
    void PlaybackStopped() override {}
    void PlaybackStarted() override {}
};

// A loop document of frames frames whose samples alternate in sign every
// 100 frames, with the listed points locked.
std::unique_ptr<CLoopDocument> MakeLoop(std::uint32_t frames, std::initializer_list<std::uint32_t> points,
                                        const char* name = "Beat");

// Whether the sound changes sign on one side of position.
bool NextToSignChange(const WAVE_SAMPLE& sound, std::int64_t position);

// A path in the build's scratch folder, with no file there yet.
std::filesystem::path ScratchPath(const char* name);

class WindowFixture {
protected:
    CQuilletWindowModel& Window(std::initializer_list<std::uint32_t> points = {}, std::uint32_t frames = 88200)
    {
        model = std::make_unique<CQuilletWindowModel>(MakeLoop(frames, points), *player, notifier, host);
        return *model;
    }

    FakeWindowHost host;
    std::unique_ptr<CWavePlayer> player = std::make_unique<CWavePlayer>();
    NullNotifier notifier;
    std::unique_ptr<CQuilletWindowModel> model;
};
