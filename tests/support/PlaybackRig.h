#pragma once
// A wave player fed by a file card in fast mode, held at exact points: the
// card records only the frames it is allowed, so a test can act between two
// known points of the output.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "devices/sound/CRegisteredFileSoundCard.h"
#include "devices/sound/CStreamSoundChannel.h"
#include "document/playback/CWavePlayer.h"
#include "document/playback/CWavePlayerNotifier.h"
#include "tests/support/SoundBuilder.h"

// Counts the notifications of one playback.
class CountingNotifier : public CWavePlayerNotifier {
public:
    void PlaybackStopped() override { ++stopped; }
    void PlaybackStarted() override { ++started; }
    int started = 0;
    int stopped = 0;
};

class PlaybackRig {
public:
    explicit PlaybackRig(std::uint16_t playAheadSetting = CStreamSoundChannel::kInitialSetting);
    ~PlaybackRig();

    // Runs a user-interface command that waits for the audio side, letting
    // the card record small steps while the command is not yet taken.
    void Command(const std::function<void()>& command);
    // Lets the card record `frames` more frames and waits until it has.
    void Advance(std::uint64_t frames);
    // The recorded left channel; both channels are checked to be equal.
    std::vector<std::int16_t> Heard();
    // Index of the first non-silent recorded frame (the start of playback).
    std::size_t FirstSound();
    // Every frame heard from the first sound on is expected(k), k counted
    // from there; at least `least` frames must have been heard.
    void ExpectHeard(std::size_t least, const std::function<std::int16_t(std::size_t)>& expected);

    CWavePlayer player;
    CRegisteredFileSoundCard card{"", true};
    std::unique_ptr<CSoundChannel> channel;
    int playbacks = 0;
};
