#pragma once
// The exclusive messages of the K2000/K2500: every object in the instrument
// has a type and an ID and is listed, read, written, named and deleted by
// messages F0 07 <device> 78 <command> ... F7. Numbers travel in 7-bit
// groups, most significant first; object data travels as a bit stream of
// 7-bit bytes with a sum checksum. Builders and checked parsers for both
// ends of the conversation.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace Kurzweil {

using Bytes = std::vector<std::uint8_t>;

inline constexpr std::uint8_t kManufacturer = 0x07;
inline constexpr std::uint8_t kFamily = 0x78;

inline constexpr std::uint8_t kDataAcknowledge = 0x02;
inline constexpr std::uint8_t kDataRefused = 0x03;
inline constexpr std::uint8_t kDirectoryRequest = 0x04;
inline constexpr std::uint8_t kObjectInfo = 0x05;
inline constexpr std::uint8_t kDelete = 0x07;
inline constexpr std::uint8_t kNameObject = 0x08;
inline constexpr std::uint8_t kWriteObject = 0x09;
inline constexpr std::uint8_t kReadObject = 0x0A;
inline constexpr std::uint8_t kEndOfListing = 0x0D;

inline constexpr std::uint16_t kProgram = 132;
inline constexpr std::uint16_t kKeymap = 133;
inline constexpr std::uint16_t kSample = 134;

// Write modes: at the ID given, or at the lowest free ID from it upward.
inline constexpr std::uint8_t kModeReplace = 0;
inline constexpr std::uint8_t kModeNextFree = 1;
inline constexpr std::uint8_t kBitStream = 0x01;

// Reasons of a refusal.
inline constexpr std::uint8_t kRefusedInEdit = 1;
inline constexpr std::uint8_t kRefusedChecksum = 2;
inline constexpr std::uint8_t kRefusedIDOutOfRange = 3;
inline constexpr std::uint8_t kRefusedNotFound = 4;
inline constexpr std::uint8_t kRefusedOutOfMemory = 5;

inline constexpr std::size_t kNameLength = 16;
// Bytes before a message's fields: F0 07 device 78 command.
inline constexpr std::size_t kHeadLength = 5;

// Wire bytes of n data bytes, and data bytes of w wire bytes.
std::size_t PackedLength(std::size_t dataBytes);
std::size_t UnpackedLength(std::size_t wireBytes);
// Data bits most significant first, 7 to a wire byte, the last padded with 0.
Bytes PackBitStream(const Bytes& data);
Bytes UnpackBitStream(const std::uint8_t* wire, std::size_t count);

struct ObjectId {
    std::uint16_t type = 0;
    std::uint16_t id = 0;
    bool operator==(const ObjectId&) const = default;
};

struct ObjectInfo {
    ObjectId object;
    std::uint32_t size = 0;
    std::uint8_t flag = 0;
    std::string name;
};

struct ObjectWrite {
    ObjectId object;
    std::uint32_t size = 0;
    std::uint8_t mode = kModeNextFree;
    std::string name;
    std::uint8_t form = kBitStream;
    Bytes data;  // unpacked, at least `size` bytes
};

// Requests and answers, each framed.
Bytes DirectoryRequest(std::uint8_t device, ObjectId object);
Bytes DeleteRequest(std::uint8_t device, ObjectId object);
Bytes NameRequest(std::uint8_t device, ObjectId object, std::string_view name);
Bytes ReadRequest(std::uint8_t device, ObjectId object);
Bytes WriteMessage(std::uint8_t device, const ObjectWrite& write);
Bytes Acknowledge(std::uint8_t device, ObjectId object, std::uint32_t offset, std::uint32_t size);
Bytes Refusal(std::uint8_t device, ObjectId object, std::uint8_t reason);
Bytes InfoMessage(std::uint8_t device, const ObjectInfo& info);
Bytes EndOfListing(std::uint8_t device);

// Whether the message is one of this family's, and its command (0 when it
// is not or too short).
std::uint8_t CommandOf(const Bytes& message);
// The type and ID after the command; XSysexTooSmall when they are missing.
ObjectId ObjectOf(const Bytes& message);
// XSysexTooSmall for a reply under 15 bytes or a name without its end.
ObjectInfo ParseInfo(const Bytes& message);
// The name of a name-object request; XSysexTooSmall as above.
std::string ParseName(const Bytes& message);
// XSysexTooSmall for a message under 17 bytes, a name without its end, a
// missing form byte or data shorter than its size; XKurzweilNotBitStream
// for a form other than 01; XSysexChecksumFailure for a wrong checksum.
ObjectWrite ParseWrite(const Bytes& message);
// The ID an acknowledgement names (XSysexTooSmall under 16 bytes), and the
// reason of a refusal (XSysexTooSmall under 17 bytes).
std::uint16_t AcknowledgedId(const Bytes& message);
std::uint8_t RefusalReason(const Bytes& message);
// A name as it travels: at most 16 characters, each masked to 7 bits.
std::string WireName(std::string_view name);

}  // namespace Kurzweil
