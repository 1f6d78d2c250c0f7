#pragma once
// A simulated AKAI sampler of the S1000/S3000 family. On its exclusive
// channel it answers the status request with its model, OS and memory and,
// for the S3000 family, tells its exact model; it keeps programs (a header
// and its keygroups) and samples (a header, the data by the Sample Dump
// Standard) numbered by their place in its lists, creates what is written
// past the last number, deletes, and answers each write and delete with a
// reply. On the SCSI bus its INQUIRY names vendor "AKAI" and the model, and
// it takes and gives system exclusive through AKAI's SCSI commands. Faults
// a test asks for meet the next request they concern.
#include <atomic>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

#include "devices/midi/CSysexExtractor.h"
#include "samplers/model/CVersion.h"
#include "simulators/CSimulatedSDSSampler.h"

struct AKAISamplerFaults {
    int errorReplyOperation = -1;  // the next write or delete of this operation is answered with an error
    int deleteWaits = 0;           // SDS WAITs sent before each delete's reply
    std::int64_t waitSpacing = 1000;
    std::int64_t answerDelay = 5;  // milliseconds before each answer
    bool loseSamples = false;      // sample headers are acknowledged but not kept
    bool notReady = false;         // TEST UNIT READY answers busy
    std::uint32_t withheldBytes = 0;  // SCSI: a read moves this many fewer than announced (they come next)
    bool shortStatus = false;      // the status stops after its model byte
};

class CSimulatedAKAISampler : public CSimulatedSDSSampler {
public:
    using Bytes = std::vector<std::uint8_t>;

    struct Program {
        Bytes header;
        std::vector<Bytes> keygroups;
    };

    // typeId: the MIDI type of the model (4000, 4010, 4100, 4110, ...);
    // product: its name over SCSI (e.g. "S3000XL").
    CSimulatedAKAISampler(std::uint32_t typeId, const std::string& product, std::uint8_t channel, CVersion version);
    ~CSimulatedAKAISampler() override;

    std::size_t BlockSize() const { return fBlockSize; }
    void SetAKAIFaults(const AKAISamplerFaults& faults);
    // Memory: header blocks and sample words in all.
    void SetMemory(std::uint16_t blocks, std::uint32_t words);

    void StoreProgram(const Program& program);
    // A sample of these frames at the rate, named as given.
    void StoreSample(const std::string& name, const std::vector<std::int16_t>& frames, std::uint32_t rate);
    std::vector<Program> Programs() const;
    std::vector<std::string> ProgramNames() const;
    std::vector<std::string> SampleNames() const;
    // The frames of the sample of that name (as the sampler shows it); empty
    // when it has none or no data.
    std::vector<std::int16_t> SampleFrames(const std::string& name) const;
    Bytes SampleHeader(const std::string& name) const;

protected:
    void OnSysex(const std::vector<std::uint8_t>& message) override;
    SCSIResult OnSCSICommand(const SCSICommandBlock& command, SCSIDirection direction, std::uint8_t* data,
                             std::uint32_t length, std::uint32_t& moved) override;
    void DeliverToProgram(const std::vector<std::uint8_t>& message) override;

private:
    void Handle(const Bytes& message);
    void Answer(Bytes message, std::int64_t extraDelay = 0);
    void Reply(bool done, std::int64_t extraDelay = 0);
    bool FailsNow(std::uint8_t operation);
    void WriteProgram(std::uint16_t number, const Bytes& block);
    void WriteKeygroup(std::uint16_t program, std::uint8_t keygroup, const Bytes& block);
    void WriteSampleHeader(std::uint16_t number, const Bytes& block);
    void RemoveSample(std::size_t index);
    void Delete(std::uint8_t operation, std::uint16_t number);
    std::uint16_t FreeBlocks() const;
    std::uint32_t FreeWords() const;
    int SampleIndex(const std::string& name) const;

    std::uint32_t fTypeId;
    std::uint8_t fChannel;
    CVersion fVersion;
    std::size_t fBlockSize;
    mutable std::recursive_mutex fAKAIMutex;
    AKAISamplerFaults fFaults;
    std::uint16_t fMaxBlocks = 1022;
    std::uint32_t fMaxWords = 16 * 1024 * 1024;
    std::vector<Program> fPrograms;
    std::vector<Bytes> fSampleHeaders;
    // SCSI: replies go to the bus while the last request came over it.
    std::atomic<bool> fReceivingSCSI{false};
    std::atomic<bool> fOverSCSI{false};
    std::mutex fOutboxMutex;
    std::deque<std::uint8_t> fOutbox;
    CSysexExtractor fSCSIExtractor;
};
