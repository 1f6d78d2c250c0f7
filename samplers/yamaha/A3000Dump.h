#pragma once
// The A3000's bulk-dump messages: the dump request, and the bulk dump whose
// blocks each carry a 7-bit byte count (most significant first), that many
// bytes and their exclusive-or. The first block begins with the signature,
// the two-character dump type and the 16-character object name; every data
// byte travels as two bytes, high nibble first.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace A3000 {

using Bytes = std::vector<std::uint8_t>;

inline constexpr std::uint8_t kManufacturer = 0x43;
inline constexpr std::uint8_t kModel = 0x7A;
inline constexpr std::uint8_t kRequestFlag = 0x20;
inline constexpr std::string_view kSignature = "LM  0278";
inline constexpr std::size_t kNameLength = 16;
// Signature, dump type and name: the bytes that open the first block.
inline constexpr std::size_t kHeadBytes = 26;
inline constexpr std::size_t kMaxBlock = 4096;
inline constexpr std::size_t kRequestLength = 31;
// F0, maker, device, model: the bytes before the first block.
inline constexpr std::size_t kFrameBytes = 4;

inline constexpr std::string_view kObjectList = "OL";
inline constexpr std::string_view kSampleParameters = "SP";
inline constexpr std::string_view kSampleBank = "SB";
inline constexpr std::string_view kWaveData = "WD";
inline constexpr std::string_view kObjectListName = "Object List";

// F0 43 20+device 7A, signature, type, name NUL-padded to 16, F7.
Bytes DumpRequest(std::uint8_t device, std::string_view type, std::string_view name);
// A request's device, type and name; false for anything else.
bool ReadDumpRequest(const Bytes& message, std::uint8_t& device, std::string& type, std::string& name);

// The bulk dump of `data` (nibbled; the first block holds at most 4070
// bytes after the head, the others at most 4096).
Bytes BulkDump(std::uint8_t device, std::string_view type, std::string_view name, const Bytes& data);
// Whether `message` is a bulk dump (not a request) of any A3000.
bool IsBulkDump(const Bytes& message);
// The type and name of a bulk dump whose first block holds a whole head;
// false otherwise.
bool ReadDumpHead(const Bytes& message, std::string& type, std::string& name);
// The data of a bulk dump of `type` and `name`. XA3000ReceivedInvalidSysex
// for a bad head, blocks that do not end exactly before the F7 or an odd
// nibble count; XA3000ChecksumIncorrect for a bad checksum;
// XMIDICommunicationException when the type or the name differ.
Bytes ReadBulkDump(const Bytes& message, std::string_view type, std::string_view name);

// The opening of a "WD" dump: F0, maker, device, model and the first block,
// which holds the head and the nibbles of the parameter record.
Bytes WaveDumpOpening(std::uint8_t device, std::string_view name, const Bytes& record);
// Appends one block of frames, each big-endian and nibbled (four bytes).
void AppendWaveBlock(Bytes& out, const std::int16_t* frames, std::size_t count);

// Appends one block: count, `payload`, checksum.
void AppendBlock(Bytes& out, const std::uint8_t* payload, std::size_t count);
// The exclusive-or of the bytes.
std::uint8_t XorSum(const std::uint8_t* bytes, std::size_t count);
// Appends the head of a first block: signature, type, name.
void AppendHead(Bytes& out, std::string_view type, std::string_view name);
// Appends each byte as its high and its low nibble; and back.
void AppendNibbles(Bytes& out, const std::uint8_t* bytes, std::size_t count);
Bytes JoinNibbles(const std::uint8_t* nibbles, std::size_t count);

// 16 bytes at `at`: the name NUL-padded (cut at 16); and the name up to its
// first NUL.
void PutName(std::uint8_t* at, std::string_view name);
std::string GetName(const std::uint8_t* at);

// Big-endian fields of the records.
void Put32(std::uint8_t* at, std::uint32_t value);
std::uint32_t Get32(const std::uint8_t* at);

// Keeps the characters a sample name may hold; "?" when none is left.
std::string AllowedName(std::string_view name);

}  // namespace A3000
