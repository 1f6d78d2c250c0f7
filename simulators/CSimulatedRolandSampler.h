#pragma once
// A simulated Roland S-760 on one device number. It answers the request for
// its identity area; keeps patches, partials and sample parameters that the
// program reads and writes by Roland's handshake; takes sample data by SDS
// into wave memory of 4608-frame segments (a dump gets a parameter block on
// the segments it fills); streams its file lists after the file-list
// register is written, and deletes samples slowly, both only in remote mode,
// which the remote-mode switch turns on and off. It injects the faults a
// test asks for; those of the SDS dump are the SDS sampler's (SetFaults).
#include <cstdint>
#include <mutex>
#include <optional>

#include "samplers/roland/RolandMessages.h"
#include "simulators/CSimulatedS760Memory.h"
#include "simulators/CSimulatedSDSSampler.h"

// Faults to inject; counts are used up one event at a time.
struct RolandSamplerFaults {
    bool silent = false;            // answers no Roland message at all
    int rejections = 0;             // handshakes refused with RJC
    int errors = 0;                 // handshakes refused with ERR
    int badChecksums = 0;           // data packets it sends with a wrong checksum
    int lostDumps = 0;              // dumps taken but given no parameter block
    bool cutFileList = false;       // a file-list message ends in a piece of an entry
    bool wrongCategory = false;     // file-list entries of another category
    bool unconfirmedSwitch = false;  // the remote-mode switch is not answered
    std::int64_t deleteTime = 1500;  // milliseconds a delete takes
    std::size_t packetBytes = 128;   // data bytes per data packet it sends
};

class CSimulatedRolandSampler : public CSimulatedSDSSampler {
public:
    static constexpr std::uint16_t kSegments = 3640;  // 32 MB of 16-bit frames

    explicit CSimulatedRolandSampler(std::uint8_t device, std::uint16_t segments = kSegments);
    ~CSimulatedRolandSampler() override;

    void SetRolandFaults(const RolandSamplerFaults& faults);
    bool InRemoteMode() const;
    int RemoteSwitches() const;
    int Deletes() const;
    // A copy of what it holds.
    CSimulatedS760Memory Memory() const;
    // Holds `samples` at `rate` as sample `number` named `name`.
    void StoreSample(std::uint16_t number, const std::string& name, const std::vector<std::int16_t>& samples,
                     std::uint32_t rate);
    void StorePatch(std::uint16_t number, const S760::Patch& patch);
    void StorePartial(std::uint16_t number, const S760::Partial& partial);

protected:
    void OnSysex(const std::vector<std::uint8_t>& message) override;
    void OnSampleStored(std::uint16_t number, const Sample& sample) override;

private:
    // A handshake read under way: the data, how much went, whether EOD did.
    struct Reading {
        std::uint32_t address = 0;
        Roland::Bytes data;
        std::size_t sent = 0;
        bool ended = false;
    };
    // A handshake write under way.
    struct Writing {
        std::uint32_t address = 0;
        std::uint32_t size = 0;
        Roland::Bytes data;
    };

    // Answers `message`; the sample to forget, if a delete took one.
    std::optional<std::uint16_t> OnRoland(const Roland::Bytes& message);
    void Reply(Roland::Bytes message, std::int64_t delay = kAnswerDelay);
    // RJC or ERR when one is due.
    bool Refused();
    void StartReading(std::uint32_t address, std::uint32_t size);
    void ContinueReading();
    void OnWantToSend(std::uint32_t address, std::uint32_t size);
    void OnDataPacket(const Roland::Bytes& message);
    void OnEndOfData();
    std::optional<std::uint16_t> OnDataSet(std::uint32_t address, const Roland::Bytes& data);
    void StreamFileList(std::uint32_t category);

    std::uint8_t fDevice;
    mutable std::mutex fRolandMutex;
    RolandSamplerFaults fFaults;
    CSimulatedS760Memory fMemory;
    bool fRemote = false;
    int fRemoteSwitches = 0;
    int fDeletes = 0;
    std::optional<Reading> fReading;
    std::optional<Writing> fWriting;
};
