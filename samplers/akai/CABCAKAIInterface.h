#pragma once
// The requests of the AKAI S1000/S3000 family on one connection: status,
// program and sample lists (kept until a program or sample is created or
// deleted), reading and writing program header, keygroup and sample header
// blocks, deleting, and the sample data by the Sample Dump Standard. A
// model says the size of its blocks.
//
// Every request waits up to kReplyTimeout for its answer; each SDS WAIT
// from the sampler moves that 10 s further, but never past kLongestWait
// from the request. A Stop on the progress given ends a wait with
// XSampleTransmitCancelled.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "samplers/akai/AKAIBlocks.h"
#include "samplers/akai/AKAIMessages.h"
#include "samplers/akai/CABCAKAICom.h"
#include "samplers/transfer/SampleFormat.h"

class CLengthyOperation;
class CSDSReceiver;
class CSDSTransmitter;

class CABCAKAIInterface {
public:
    static constexpr std::int64_t kReplyTimeout = 10000;
    static constexpr std::int64_t kLongestWait = 30000;
    // How long the sampler may take to answer a sample data packet.
    static constexpr std::int64_t kSampleDataTimeout = 5000;

    explicit CABCAKAIInterface(std::unique_ptr<CABCAKAICom> com);
    virtual ~CABCAKAIInterface();

    // 150 bytes on the S1000 and S1100, 192 on the S3000 family.
    virtual std::size_t BlockSize() const = 0;

    CABCAKAICom& Com() { return *fCom; }
    // Where waits look for Stop, and the value its window shows meanwhile.
    void WatchStop(CLengthyOperation* progress, std::int32_t value);

    AKAI::Status ReadStatus();
    const std::vector<std::string>& ProgramList();
    const std::vector<std::string>& SampleList();
    // The number of the program or sample of that name (as the sampler
    // shows names), or none.
    std::optional<std::uint16_t> FindProgram(const std::string& name);
    std::optional<std::uint16_t> FindSample(const std::string& name);
    // A number past the last creates.
    std::uint16_t NextProgramNumber() { return static_cast<std::uint16_t>(ProgramList().size()); }
    std::uint16_t NextSampleNumber() { return static_cast<std::uint16_t>(SampleList().size()); }

    AKAIBlock::Bytes ReadProgram(std::uint16_t number);
    AKAIBlock::Bytes ReadKeygroup(std::uint16_t program, std::uint8_t keygroup);
    AKAIBlock::Bytes ReadSampleHeader(std::uint16_t number);
    void WriteProgram(std::uint16_t number, const AKAIBlock::Bytes& block);
    void WriteKeygroup(std::uint16_t program, std::uint8_t keygroup, const AKAIBlock::Bytes& block);
    void WriteSampleHeader(std::uint16_t number, const AKAIBlock::Bytes& block);
    void DeleteProgram(std::uint16_t number);
    void DeleteSample(std::uint16_t number);

    AKAIBlock::Bytes DefaultProgram(const std::string& name) const;
    AKAIBlock::Bytes DefaultKeygroup() const;
    // Mono, 16 bits, the name as the sampler will hold it.
    void AdjustFormat(SampleFormat& format) const;

    // The sample data of sample `number`, whose header was just written.
    std::unique_ptr<CSDSTransmitter> MakeTransmitter(std::uint16_t number);
    std::unique_ptr<CSDSReceiver> MakeReceiver(std::uint16_t number);

private:
    // Empties the input, sends, and answers the reply.
    AKAI::Bytes Ask(const AKAI::Bytes& request);
    // Ask, and check the answer as a reply that says done.
    void Command(const AKAI::Bytes& message);
    AKAI::Bytes AwaitReply();
    void Forget();

    std::unique_ptr<CABCAKAICom> fCom;
    CLengthyOperation* fProgress = nullptr;
    std::int32_t fProgressValue = 0;
    std::optional<std::vector<std::string>> fPrograms;
    std::optional<std::vector<std::string>> fSamples;
};
