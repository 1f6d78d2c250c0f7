#pragma once
// One SMDI message as it travels inside a SCSI data transfer: the characters
// "SMDI", the message ID and sub-ID (2 bytes each), the length of the data
// (3 bytes) and the data; every number most significant byte first. Also
// the messages the program sends and how it recognises the replies.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

struct SMDIMessage {
    static constexpr std::size_t kHeaderLength = 11;
    // The largest data length the 24-bit field can declare.
    static constexpr std::uint32_t kMaxDataLength = 0xFFFFFF;

    enum Id : std::uint16_t {
        kMessageReject = 0x0002,
        kAcknowledge = 0x0100,
        kWait = 0x0102,
        kSendNextPacket = 0x0103,
        kEndOfProcedure = 0x0104,
        kAbortProcedure = 0x0105,
        kDataPacket = 0x0110,
        kSampleHeaderRequest = 0x0120,
        kSampleHeader = 0x0121,
        kBeginSampleTransfer = 0x0122,
        kDeleteSample = 0x0124,
    };
    // Sub-IDs that differ from 0.
    static constexpr std::uint16_t kExtendedHeader = 1;
    static constexpr std::uint16_t kTransferAcknowledge = 1;

    std::uint16_t id = 0;
    std::uint16_t subId = 0;
    std::vector<std::uint8_t> data;

    // The whole message; data beyond kMaxDataLength bytes is not sent.
    std::vector<std::uint8_t> Bytes() const;
    // The message in the `count` bytes that came in: none when they do not
    // begin with "SMDI", or when its declared length and the bytes that
    // came in disagree (a cut or padded message).
    static std::optional<SMDIMessage> Parse(const std::uint8_t* bytes, std::size_t count);

    bool Is(std::uint16_t messageId, std::uint16_t messageSubId = 0) const
    {
        return id == messageId && subId == messageSubId;
    }
    // Each reply the program tells apart, by ID, sub-ID and data length.
    bool IsReject() const { return Is(kMessageReject) && data.size() >= 4; }
    bool IsAcknowledge() const { return Is(kAcknowledge); }
    bool IsWait() const { return Is(kWait); }
    bool IsSendNextPacket() const { return Is(kSendNextPacket) && data.size() >= 3; }
    bool IsEndOfProcedure() const { return Is(kEndOfProcedure); }
    bool IsAbort() const { return Is(kAbortProcedure); }
    bool IsDataPacket() const { return Is(kDataPacket) && data.size() >= 3; }
    bool IsTransferAcknowledge() const { return Is(kBeginSampleTransfer, kTransferAcknowledge) && data.size() >= 6; }

    // The 24-bit number at `offset` of the data (0 past its end).
    std::uint32_t Number24(std::size_t offset) const;
};

namespace SMDI {

// Appends `value` in `width` bytes, most significant first.
void PutNumber(std::vector<std::uint8_t>& out, std::uint32_t value, std::size_t width);
// The number of `width` bytes at `bytes`, most significant first.
std::uint32_t GetNumber(const std::uint8_t* bytes, std::size_t width);

SMDIMessage SampleHeaderRequest(std::uint32_t sampleNumber);
SMDIMessage BeginSampleTransfer(std::uint32_t sampleNumber, std::uint32_t packetLength);
SMDIMessage SendNextPacket(std::uint32_t packetNumber);
SMDIMessage DataPacket(std::uint32_t packetNumber, const std::vector<std::uint8_t>& words);
SMDIMessage AbortProcedure();
SMDIMessage DeleteSample(std::uint32_t sampleNumber);
// Messages only a sampler sends; the simulated ones build them too.
SMDIMessage Reply(SMDIMessage::Id id);
SMDIMessage Reject(std::uint16_t code, std::uint16_t subCode);
SMDIMessage TransferAcknowledge(std::uint32_t sampleNumber, std::uint32_t packetLength);

}  // namespace SMDI
