#pragma once
// The conversation with one A3000 on its MIDI ports: the object list (read
// once and kept until dropped), sample parameters and sample banks fetched
// and stored by name, and the transmitters and receivers of wave data.
// After every stored object the sampler is taken to be busy for 5 seconds,
// and every request waits, passing on incoming MIDI, until it is idle.
// Replies are the messages of maker 43 on the sampler's device number.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "devices/midi/CSysexConnection.h"
#include "samplers/yamaha/CA3000ObjectList.h"
#include "samplers/yamaha/CA3000SampleBank.h"
#include "samplers/yamaha/CA3000SampleParameters.h"

class CABCSampleReceiver;
class CABCSampleTransmitter;

class CA3000Interface {
public:
    static constexpr std::int64_t kListTimeout = 20000;
    static constexpr std::int64_t kObjectTimeout = 10000;
    static constexpr int kObjectAttempts = 2;
    static constexpr std::int64_t kHoldOff = 100;
    static constexpr std::int64_t kBusyTime = 5000;
    // The longest the sampler may pause within wave data.
    static constexpr std::int64_t kWaveTimeout = 2000;

    CA3000Interface(CSysexMIDIInput& input, CMIDIOutput& output, std::uint8_t device);
    virtual ~CA3000Interface() = default;
    CA3000Interface(const CA3000Interface&) = delete;
    CA3000Interface& operator=(const CA3000Interface&) = delete;

    std::uint8_t Device() const { return fDevice; }
    CSysexConnection& Connection() { return fConnection; }

    // The kept object list, read first when there is none.
    const CA3000ObjectList& ObjectList();
    void DropObjectList() { fObjectList.reset(); }
    // An answer of another type or name raises XMIDICommunicationException.
    CA3000SampleParameters GetSampleParameters(const std::string& name);
    CA3000SampleBank GetSampleBank(const std::string& name);
    void PutSampleParameters(const CA3000SampleParameters& parameters);
    void PutSampleBank(const CA3000SampleBank& bank);
    // What follows a stored object: the hold-off, the busy time, and the
    // object in the kept list (Listed).
    void AfterPut(std::uint32_t kind, const std::string& name);
    // The object in the kept list, in place of one of its kind and name.
    void Listed(std::uint32_t kind, const std::string& name);
    // Waits, passing on incoming MIDI, until the sampler is idle.
    void WaitWhileBusy();

    // The most frames a transmitter takes at a time.
    virtual std::uint32_t ChunkFrames() const;
    // Sends one sample of `parameters` (its name, length and keys set) with
    // its wave data.
    virtual std::unique_ptr<CABCSampleTransmitter> MakeTransmitter(const CA3000SampleParameters& parameters);
    // Fetches the sample of that name with its wave data.
    virtual std::unique_ptr<CABCSampleReceiver> MakeReceiver(const std::string& name);

private:
    A3000::Bytes Request(std::string_view type, const std::string& name, std::int64_t timeout, int attempts);
    void Put(std::string_view type, std::uint32_t kind, const std::string& name, const A3000::Bytes& data);

    CSysexConnection fConnection;
    std::uint8_t fDevice;
    std::optional<CA3000ObjectList> fObjectList;
    std::int64_t fBusyUntil = 0;
};
