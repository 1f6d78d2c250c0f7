#pragma once
// The system-exclusive messages of the AKAI S1000/S3000 family: F0 47,
// the exclusive channel, the operation, 48, data, F7. Numbers are 7-bit
// groups, least significant first; program, keygroup and sample header
// blocks travel as nibbles, low nibble first. Every parse checks the
// length of what came before it reads a byte.
#include <cstdint>
#include <string>
#include <vector>

namespace AKAI {

using Bytes = std::vector<std::uint8_t>;

inline constexpr std::uint8_t kManufacturer = 0x47;
inline constexpr std::uint8_t kFamily = 0x48;

// Operation codes.
inline constexpr std::uint8_t kStatusRequest = 0x00;
inline constexpr std::uint8_t kStatus = 0x01;
inline constexpr std::uint8_t kProgramListRequest = 0x02;
inline constexpr std::uint8_t kProgramList = 0x03;
inline constexpr std::uint8_t kSampleListRequest = 0x04;
inline constexpr std::uint8_t kSampleList = 0x05;
inline constexpr std::uint8_t kProgramRequest = 0x06;
inline constexpr std::uint8_t kProgram = 0x07;
inline constexpr std::uint8_t kKeygroupRequest = 0x08;
inline constexpr std::uint8_t kKeygroup = 0x09;
inline constexpr std::uint8_t kSampleHeaderRequest = 0x0A;
inline constexpr std::uint8_t kSampleHeader = 0x0B;
inline constexpr std::uint8_t kDeleteProgram = 0x12;
inline constexpr std::uint8_t kDeleteSample = 0x14;
inline constexpr std::uint8_t kReply = 0x16;

inline constexpr std::size_t kReplyLength = 7;
inline constexpr std::size_t kStatusLength = 21;
inline constexpr std::size_t kNameLength = 12;
// Where the list of names begins in a list message.
inline constexpr std::size_t kListNames = 7;

// What the status message tells.
struct Status {
    std::uint8_t channel = 0;
    std::uint8_t osMinor = 0;
    std::uint8_t modelByte = 0;  // model (a multiple of 5) plus OS major
    std::uint16_t maxBlocks = 0;
    std::uint16_t freeBlocks = 0;
    std::uint32_t maxWords = 0;
    std::uint32_t freeWords = 0;
};

// A block with the program, sample and keygroup numbers of its message.
struct Block {
    std::uint16_t number = 0;
    std::uint8_t keygroup = 0;
    Bytes data;
};

// Each byte as two, low nibble first; and back.
Bytes ToNibbles(const Bytes& bytes);
Bytes FromNibbles(const std::uint8_t* nibbles, std::size_t byteCount);

// F0 47 ch op 48 F7.
Bytes Request(std::uint8_t channel, std::uint8_t operation);
// F0 47 ch op 48, number (2), F7: delete and block requests.
Bytes NumberedRequest(std::uint8_t channel, std::uint8_t operation, std::uint16_t number);
// F0 47 ch 08 48, program (2), keygroup, F7.
Bytes KeygroupRequest(std::uint8_t channel, std::uint16_t program, std::uint8_t keygroup);
// A program header (07) or sample header (0B) block message.
Bytes BlockMessage(std::uint8_t channel, std::uint8_t operation, std::uint16_t number, const Bytes& block);
// A keygroup block message (09).
Bytes KeygroupMessage(std::uint8_t channel, std::uint16_t program, std::uint8_t keygroup, const Bytes& block);
Bytes ReplyMessage(std::uint8_t channel, std::uint8_t code);
Bytes StatusMessage(const Status& status);
// A program list (03) or sample list (05) of these names.
Bytes NameListMessage(std::uint8_t channel, std::uint8_t operation, const std::vector<std::string>& names);

// XSysexTooSmall below 5 bytes, XAKAINonAKAISysex without 47 and 48.
void CheckAKAI(const Bytes& message);
// A reply: exactly 7 bytes (XSysexInvalidSize), operation 16
// (XAKAIUnexpectedCommand); a non-zero code raises XAKAIReceivedError.
void CheckReply(const Bytes& message);
// A reply message passes; any other is left to the caller.
bool IsReply(const Bytes& message);
// The names of a list message of `operation`: XAKAIUnexpectedCommand for
// another operation, XSysexTooSmall when shorter than its count says.
std::vector<std::string> ParseNameList(const Bytes& message, std::uint8_t operation);
// XSysexTooSmall when shorter than the 21 bytes of a status,
// XAKAIUnexpectedCommand for another operation.
Status ParseStatus(const Bytes& message);
// The block of a block message of `operation` whose block has `size`
// bytes: XAKAIUnexpectedCommand for another operation, XSysexInvalidSize
// for a message of another length.
Block ParseBlock(const Bytes& message, std::uint8_t operation, std::size_t size);
// The length of a block message of `operation` with a block of `size` bytes.
std::size_t BlockMessageLength(std::uint8_t operation, std::size_t size);

}  // namespace AKAI
