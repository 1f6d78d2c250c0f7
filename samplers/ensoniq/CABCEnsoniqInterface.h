#pragma once
// The conversation with an Ensoniq EPS, EPS-16+ or ASR-10 on one MIDI
// channel: commands and their acknowledgements, the parameter blocks and
// wave data it sends and takes, the hold-offs it needs between messages,
// and its response codes as exceptions. The models differ in their sample
// word. While the sampler holds a reply back with WAIT responses, a press
// of Stop on the lengthy operation given, if any, ends the wait
// (XSampleTransmitCancelled).
#include <cstdint>
#include <string>
#include <string_view>

#include "devices/midi/CSysexConnection.h"
#include "samplers/ensoniq/EnsoniqMessages.h"
#include "samplers/transfer/SampleFormat.h"

class CEnsoniqSysex;
class CLengthyOperation;

class CABCEnsoniqInterface {
public:
    // Milliseconds: how long a reply may take, and how long the sampler is
    // left alone after a block it sent, after a block it took or a create or
    // delete, and after a sample transmitter.
    static constexpr std::int64_t kReplyTimeout = 6000;
    static constexpr std::int64_t kAfterGet = 600;
    static constexpr std::int64_t kAfterPut = 900;
    static constexpr std::int64_t kAfterSample = 1000;
    // The longest a sampler may hold a reply back with WAIT responses.
    static constexpr std::int64_t kLongestWait = 30000;
    // The most wave-data words one data message carries.
    static constexpr std::uint32_t kPieceWords = 4096;
    static constexpr std::uint32_t kShortestSample = 200;
    static constexpr std::string_view kNameCharacters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789+- *.#";

    CABCEnsoniqInterface(CSysexMIDIInput& input, CMIDIOutput& output, std::uint8_t channel);
    virtual ~CABCEnsoniqInterface() = default;
    CABCEnsoniqInterface(const CABCEnsoniqInterface&) = delete;
    CABCEnsoniqInterface& operator=(const CABCEnsoniqInterface&) = delete;

    // 13 (EPS) or 16.
    virtual std::uint8_t SampleBits() const = 0;

    // Cut to 12 characters, upper-cased, every character the sampler cannot
    // show made a blank.
    static std::string CleanName(std::string_view name);
    // Nothing but blanks.
    static bool IsBlank(std::string_view name) { return name.find_first_not_of(' ') == std::string_view::npos; }
    // Makes `format` one the model takes: a clean name, mono, its sample
    // word, at least 200 frames, a sustain loop within the sample and no
    // release loop but the one a forward loop keeps, root key 21 to 108.
    void AdjustFormat(SampleFormat& format) const;
    // A frame as the model keeps it: its top SampleBits() bits.
    std::uint16_t ModelWord(std::int16_t frame) const;

    // The lengthy operation whose Stop ends a WAIT (null: none).
    void SetStopSource(CLengthyOperation* progress) { fProgress = progress; }
    std::uint8_t Channel() const { return fChannel; }

    // Sends `command` and requires its acknowledgement.
    void SendCommand(const Ensoniq::Command& command);
    // A create or delete command, acknowledged, then the 900 ms hold-off.
    void Perform(std::uint8_t code, int instrument, int layer, int wave);
    // Asks for a block with `request` and reads it into `block` once the
    // sampler announced it with `dumpCode` and the request's addresses.
    void GetBlock(const Ensoniq::Command& request, std::uint8_t dumpCode, CEnsoniqSysex& block);
    // Announces `block` with `dump`, sends it and has it acknowledged.
    void PutBlock(const Ensoniq::Command& dump, const CEnsoniqSysex& block);
    // Wave data of one wave sample from word `start` (at most 4096 words).
    void PutWaveData(int instrument, int wave, std::uint32_t start, const Ensoniq::Words& words);
    Ensoniq::Words GetWaveData(int instrument, int wave, std::uint32_t start, std::uint32_t count);
    void Acknowledge();
    // No message goes out until `milliseconds` from now have passed.
    void HoldOff(std::int64_t milliseconds) { fConnection.DelaySending(milliseconds); }

private:
    // The next message of the sampler that is not a WAIT, within the reply
    // time-out (after a WAIT, until kLongestWait from the first WAIT, or
    // until Stop). A
    // message of exactly the length of `dataWords` words is data whatever
    // it begins with; a response with an error code raises its exception.
    Ensoniq::Bytes AwaitReply(std::size_t dataWords = 0);
    // With `stoppable`, a press of Stop raises XSampleTransmitCancelled.
    Ensoniq::Bytes ReceiveBefore(std::int64_t deadline, bool stoppable);
    // The acknowledgement of what was just sent.
    void AwaitAcknowledgement();
    // The sampler's own command announcing what `expected` says.
    void AwaitAnnouncement(const Ensoniq::Command& expected);

    CSysexConnection fConnection;
    std::uint8_t fChannel;
    CLengthyOperation* fProgress = nullptr;
};
