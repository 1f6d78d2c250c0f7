#pragma once
// A simulated sampler that speaks the MIDI Sample Dump Standard, closed
// loop, on one channel: it stores the samples dumped to it (acknowledging
// each packet, refusing bad ones with NAK) and dumps a stored sample when
// asked for it (resending a packet on NAK). It answers after a turnaround
// and injects the faults a test asks for. A request for a sample it does
// not hold is answered with CANCEL.
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <vector>

#include "samplers/sds/SDSMessages.h"
#include "simulators/CSimulatedInstrument.h"

// Faults to inject; counts are used up one event at a time.
struct SDSSamplerFaults {
    int naks = 0;                // data packets received that get NAK instead of ACK
    int waits = 0;               // WAITs sent before the next acknowledgement
    std::int64_t waitSpacing = 1000;  // milliseconds between those WAITs
    std::optional<int> cancelAtPacket;  // CANCEL instead of answering this packet (0 = the header)
    int wrongPacketNumbers = 0;  // handshakes and packets sent with the wrong number
    int badChecksums = 0;        // packets sent with a wrong checksum
    bool silent = false;         // answers nothing at all
};

class CSimulatedSDSSampler : public CSimulatedInstrument {
public:
    // A stored sample: its header and its data bytes as they went over the wire.
    struct Sample {
        SDS::Header header;
        SDS::Bytes data;
    };

    // `turnaround`: milliseconds before each answer.
    CSimulatedSDSSampler(std::uint8_t channel, std::int64_t turnaround = 2);
    ~CSimulatedSDSSampler() override;

    void SetFaults(const SDSSamplerFaults& faults);
    // The samples it holds, by number.
    std::map<std::uint16_t, Sample> Samples() const;
    void Store(std::uint16_t number, const Sample& sample);
    void Erase(std::uint16_t number);
    // A 16-bit mono sample of `samples` at `rate`, as it would be stored.
    static Sample MakeSample(const std::vector<std::int16_t>& samples, std::uint32_t rate);
    // A held sample's words as 16-bit samples (16 bits or fewer).
    std::vector<std::int16_t> Samples16(std::uint16_t number) const;

protected:
    // A sampler that also answers INQUIRY with `identity`.
    CSimulatedSDSSampler(SimulatedIdentity identity, std::uint8_t channel, std::int64_t turnaround);

    void OnSysex(const std::vector<std::uint8_t>& message) override;
    // A dump from the program is held as sample `number` now (called with
    // the sampler's lock held); the base does nothing more.
    virtual void OnSampleStored(std::uint16_t number, const Sample& sample);

private:
    // The dump the program sends to it.
    struct Incoming {
        SDS::Header header;
        SDS::Bytes data;
        std::uint8_t expected = 0;
        int packets = 0;
    };
    // The dump it sends to the program.
    struct Outgoing {
        std::uint16_t number = 0;
        std::size_t offset = 0;  // data bytes sent
        std::uint8_t packet = 0;
        bool headerAcknowledged = false;
        SDS::Bytes last;
    };

    void Answer(SDS::Bytes message);
    // A handshake after the turnaround, with the WAITs and wrong numbers
    // due (a header's acknowledgement keeps its number).
    void Acknowledge(std::uint8_t type, std::uint8_t packet, bool ofHeader = false);
    void ReceiveHeader(const SDS::Bytes& message);
    void ReceivePacket(const SDS::Bytes& message);
    void StartDump(std::uint16_t number);
    void ContinueDump(const SDS::Handshake& handshake);
    void SendNextPacket();
    // The packet as the injected faults change it.
    SDS::Bytes WithFaults(SDS::Bytes packet);
    bool CancelsHere(int packet);

    std::uint8_t fChannel;
    std::int64_t fTurnaround;
    mutable std::mutex fMutex;
    SDSSamplerFaults fFaults;
    std::map<std::uint16_t, Sample> fSamples;
    std::optional<Incoming> fIncoming;
    std::optional<Outgoing> fOutgoing;
};
