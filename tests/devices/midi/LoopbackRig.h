#pragma once
// A loopback cable in virtual time, opened as the program opens a sampler's
// ports, with a far end that records what arrives and answers when told to.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "devices/midi/CMIDIPortLists.h"
#include "devices/midi/CSysexExtractor.h"
#include "devices/midi/CSysexMIDIInput.h"
#include "tests/support/InstalledClock.h"

class CRecordingFarEnd : public CABCMIDIByteSink {
public:
    using Answer = std::function<void(const std::vector<std::uint8_t>& message)>;

    void ReceiveBytes(const std::uint8_t* bytes, std::size_t count) override
    {
        pieces.emplace_back(bytes, bytes + count);
        extractor.Feed(bytes, count, [this](const std::vector<std::uint8_t>& message) {
            messages.push_back(message);
            if (answer)
                answer(message);
        });
    }

    std::vector<std::vector<std::uint8_t>> pieces;
    std::vector<std::vector<std::uint8_t>> messages;
    Answer answer;

private:
    CSysexExtractor extractor;
};

struct LoopbackRig {
    explicit LoopbackRig(bool withFarEnd = true, const std::string& traceFolder = "")
    {
        lists.ListPorts("", traceFolder);
        cable = lists.AddLoopbackPair("Rig cable");
        if (withFarEnd)
            cable->AttachFarEnd(&farEnd);
        input = lists.InputAt(lists.InputCount() - 1).Open(parser);
        output = lists.OutputAt(lists.OutputCount() - 1).Open();
    }
    ~LoopbackRig() { cable->AttachFarEnd(nullptr); }

    // The far end answers each message it receives with `reply`, after `delay` ms.
    void AnswerWith(std::vector<std::uint8_t> reply, std::int64_t delay = 0)
    {
        farEnd.answer = [this, reply, delay](const std::vector<std::uint8_t>&) {
            clock.Schedule(clock.Milliseconds() + delay, [this, reply] { cable->SendToProgram(reply.data(), reply.size()); });
        };
    }

    InstalledClock clock{1000};
    CMIDIPortLists lists;
    std::shared_ptr<CLoopbackCable> cable;
    CRecordingFarEnd farEnd;
    CSysexMIDIInput parser;
    std::unique_ptr<CMIDIInput> input;
    std::unique_ptr<CMIDIOutput> output;
};
