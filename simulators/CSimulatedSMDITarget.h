#pragma once
// The SMDI side of a simulated sampler: the send and receive commands of
// its SCSI target. It keeps a table of samples by number (within the
// numbers it is made with), sends a sample's header (extended when the
// sample has one) on request, takes samples and sends them back in packets
// of its own length, deletes samples and accepts an abort at any point.
// Faults a test asks for meet the next reply they concern; SCSI-level
// faults (busy, sense key 0B) are the simulated bus's own. An instrument
// that speaks SMDI hands it its commands.
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <vector>

#include "devices/scsi/CABCSimulatedSCSITarget.h"
#include "samplers/smdi/CSMDIExtendedSampleHeader.h"

class CSimulatedSMDITarget {
public:
    static constexpr std::uint32_t kOpSend = 0x0A;
    static constexpr std::uint32_t kOpReceive = 0x08;
    static constexpr std::uint32_t kDefaultPacketLength = 4096;

    enum class Fault {
        kRejectHeaderRequest,  // a header request is refused
        kRejectTransfer,       // a header from the program is refused
        kRejectPacket,         // a packet request, or the request for the next packet
        kRejectEnd,            // the end of a procedure is a reject
        kAbort,                // the sampler aborts where it would ask for a packet or end
        kWrongPacketNumber,    // a packet request or data packet carries the next number
        kWrongPacketSize,      // a data packet is one byte short
        kInvalidMessage,       // a reply does not begin with "SMDI"
    };

    struct Sample {
        CSMDIExtendedSampleHeader header;
        std::vector<std::uint8_t> words;  // as they travel in data packets

        // A 16-bit sample of these frames (channels interleaved).
        static Sample Of16Bit(const std::string& name, std::uint32_t rate, const std::vector<std::int16_t>& frames,
                              std::uint8_t channels = 1);
    };

    // Samples numbered `first` to `last`.
    CSimulatedSMDITarget(std::uint32_t first, std::uint32_t last) : fFirst(first), fLast(last) {}

    // The answer to a send or receive command; none for any other command.
    std::optional<SCSIResult> AnswerSMDI(const SCSICommandBlock& command, SCSIDirection direction, std::uint8_t* data,
                                         std::uint32_t length, std::uint32_t& moved);

    // The longest packet it sends or takes, in bytes.
    void SetPacketLength(std::uint32_t bytes) { fPacketLength = bytes; }
    // Acknowledges every transfer with exactly this packet length.
    void OfferPacketLength(std::uint32_t bytes) { fOfferedLength = bytes; }
    // The fault meets the occurrence of its kind that follows `after` others.
    void InjectFault(Fault fault, int after = 0) { fFaults.push_back({fault, after}); }
    // The next reply comes after `times` wait messages.
    void AnswerWait(int times) { fWaits += times; }

    void Store(std::uint32_t number, Sample sample) { fSamples[number] = std::move(sample); }
    void Erase(std::uint32_t number) { fSamples.erase(number); }
    const Sample* Find(std::uint32_t number) const;
    std::size_t SampleCount() const { return fSamples.size(); }
    // The packet length of the last transfer, as the program confirmed or
    // the sampler acknowledged it.
    std::uint32_t AgreedPacketLength() const { return fAgreedLength; }
    // The 16-bit frames of a stored sample, channels interleaved.
    std::vector<std::int16_t> Frames(std::uint32_t number) const;

private:
    enum class Procedure { kNone, kHeaderSent, kAwaitingBegin, kTaking, kSending };

    void Receive(const SMDIMessage& message);
    void ReceiveHeaderRequest(std::uint32_t number);
    void ReceiveHeader(const SMDIMessage& message);
    void ReceiveBeginTransfer(std::uint32_t number, std::uint32_t packetLength);
    void ReceiveDataPacket(const SMDIMessage& message);
    void ReceivePacketRequest(std::uint32_t packet);
    void ReceiveDelete(std::uint32_t number);
    // Asks for the next packet, or ends when the sample is complete.
    void AskForPacketOrEnd();
    void End(SMDIMessage reply);
    void Reply(const SMDIMessage& message);
    bool Take(Fault fault);
    std::size_t FrameBytes(const CSMDISampleHeader& header) const;

    std::uint32_t fFirst;
    std::uint32_t fLast;
    std::map<std::uint32_t, Sample> fSamples;
    std::deque<std::vector<std::uint8_t>> fReplies;
    struct Armed {
        Fault fault;
        int after;
    };
    std::deque<Armed> fFaults;
    int fWaits = 0;
    std::uint32_t fPacketLength = kDefaultPacketLength;
    std::optional<std::uint32_t> fOfferedLength;

    Procedure fProcedure = Procedure::kNone;
    std::uint32_t fNumber = 0;
    std::uint32_t fAgreedLength = 0;
    std::uint32_t fNextPacket = 0;
    Sample fIncoming;
};
