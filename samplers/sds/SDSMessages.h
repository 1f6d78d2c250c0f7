#pragma once
// The messages of the MIDI Sample Dump Standard, closed-loop form: the
// Dump Header, Dump Request, Data Packet and the four handshakes, with the
// packing of sample words into 7-bit bytes. Multi-byte numbers are 7-bit
// groups, least significant first; "channel" is the SDS channel (SysEx ID).
#include <cstdint>
#include <optional>
#include <vector>

#include "samplers/transfer/SampleFormat.h"

namespace SDS {

using Bytes = std::vector<std::uint8_t>;

inline constexpr std::uint8_t kUniversalNonRealTime = 0x7E;
// The highest SysEx ID (SDS channel) a message can carry.
inline constexpr std::uint32_t kLastSysexId = 127;
inline constexpr std::uint8_t kDumpHeader = 0x01;
inline constexpr std::uint8_t kDataPacket = 0x02;
inline constexpr std::uint8_t kDumpRequest = 0x03;
inline constexpr std::uint8_t kWait = 0x7C;
inline constexpr std::uint8_t kCancel = 0x7D;
inline constexpr std::uint8_t kNAK = 0x7E;
inline constexpr std::uint8_t kACK = 0x7F;

inline constexpr std::size_t kHeaderLength = 21;
inline constexpr std::size_t kRequestLength = 7;
inline constexpr std::size_t kPacketLength = 127;
inline constexpr std::size_t kHandshakeLength = 6;
inline constexpr std::size_t kPacketDataBytes = 120;
inline constexpr std::uint32_t kLastSampleNumber = 0x3FFF;
inline constexpr std::uint32_t kLongestPeriod = 0x1FFFFF;
inline constexpr std::uint8_t kLoopForward = 0x00;
inline constexpr std::uint8_t kLoopAlternating = 0x01;
inline constexpr std::uint8_t kLoopOff = 0x7F;

// What a Dump Header carries.
struct Header {
    std::uint16_t sampleNumber = 0;
    std::uint8_t bits = 16;
    std::uint32_t period = 0;  // nanoseconds
    std::uint32_t length = 0;  // words
    std::uint32_t loopStart = 0;
    std::uint32_t loopEnd = 0;
    std::uint8_t loopType = kLoopOff;
};

struct Handshake {
    std::uint8_t type = kACK;  // kWait, kCancel, kNAK or kACK
    std::uint8_t packet = 0;
};

// 2, 3 or 4 bytes per word for 8-14, 15-21 and 22-28 bits.
std::size_t BytesPerWord(std::uint8_t bits);
std::uint32_t WordsPerPacket(std::uint8_t bits);
// 16-bit frames up to 16 bits, 32-bit frames above.
FrameWidth FrameWidthOf(std::uint8_t bits);

// 1 000 000 000 / rate, kept within 1 .. kLongestPeriod.
std::uint32_t PeriodOf(std::uint32_t rate);
// 1 000 000 000 / period, snapped to 44100, 48000, 32000, 22050, 11025 or
// 8000 when within one of it. The period must not be 0.
std::uint32_t RateOf(std::uint32_t period);

// The header of `format` as sample `number`: bits kept to 8-28, loop
// fields from the sustain loop's mode.
Header HeaderOf(const SampleFormat& format, std::uint16_t number);
// The format a received header describes (name empty, one channel, start
// 0, end the length). XSysexInvalidFormat for a period of 0 or bits
// outside 8-28.
SampleFormat FormatOf(const Header& header);

Bytes DumpHeader(std::uint8_t channel, const Header& header);
Bytes DumpRequest(std::uint8_t channel, std::uint16_t sampleNumber);
Bytes HandshakeMessage(std::uint8_t channel, std::uint8_t type, std::uint8_t packet);
// A Data Packet of `words` words of `frames` (16- or 32-bit frames as
// FrameWidthOf(bits) says), the unused tail of its data zero.
Bytes DataPacket(std::uint8_t channel, std::uint8_t packet, std::uint8_t bits, const void* frames,
                 std::uint32_t words);
// The checksum byte a Data Packet of these bytes must carry.
std::uint8_t Checksum(const Bytes& packet);

bool IsHandshake(const Bytes& message);
bool IsDumpHeader(const Bytes& message);
bool IsDataPacket(const Bytes& message);
bool IsDumpRequest(const Bytes& message);
Handshake ParseHandshake(const Bytes& message);
Header ParseHeader(const Bytes& message);
std::uint16_t ParseRequestedNumber(const Bytes& message);
// Unpacks `words` words of a Data Packet into frames of FrameWidthOf(bits).
void UnpackWords(const Bytes& packet, std::uint8_t bits, void* frames, std::uint32_t words);

}  // namespace SDS
