#pragma once
// The system-exclusive messages of the Ensoniq EPS, EPS-16+ and ASR-10:
// F0 0F 03 channel, then a command, a command with a range, a response, a
// control message or a data message, then F7. Every value inside is carried
// six bits to a byte: 12-bit values as two bytes, 24-bit values as four,
// 16-bit data words as three (4, 6 and 6 bits). A message is taken for what
// its caller expects and only at its exact length.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace Ensoniq {

using Bytes = std::vector<std::uint8_t>;
using Words = std::vector<std::uint16_t>;

inline constexpr std::uint8_t kResponseByte = 0x01;
inline constexpr std::uint8_t kCancelByte = 0x02;
inline constexpr std::uint8_t kControlByte = 0x40;

// Command codes.
inline constexpr std::uint8_t kRequestInstrument = 0x03;
inline constexpr std::uint8_t kRequestLayer = 0x04;
inline constexpr std::uint8_t kRequestWave = 0x05;
inline constexpr std::uint8_t kRequestWaveData = 0x06;
inline constexpr std::uint8_t kInstrumentDump = 0x0C;
inline constexpr std::uint8_t kLayerDump = 0x0D;
inline constexpr std::uint8_t kWaveDump = 0x0E;
inline constexpr std::uint8_t kWaveDataDump = 0x0F;
inline constexpr std::uint8_t kCreateInstrument = 0x15;
inline constexpr std::uint8_t kCreateLayer = 0x16;
inline constexpr std::uint8_t kCreateWave = 0x19;
inline constexpr std::uint8_t kDeleteWave = 0x1A;
inline constexpr std::uint8_t kDeleteInstrument = 0x1C;

// Response codes.
inline constexpr std::uint16_t kAcknowledged = 0;
inline constexpr std::uint16_t kWait = 1;
inline constexpr std::uint16_t kInvalidParameter = 3;
inline constexpr std::uint16_t kNoSuchInstrument = 5;
inline constexpr std::uint16_t kNoSuchLayer = 6;
inline constexpr std::uint16_t kNoSuchWave = 8;
inline constexpr std::uint16_t kOutOfMemory = 12;
inline constexpr std::uint16_t kNotAcknowledged = 23;

inline constexpr std::size_t kCommandLength = 12;
inline constexpr std::size_t kRangeCommandLength = 20;
inline constexpr std::size_t kResponseLength = 8;
inline constexpr std::size_t kCancelLength = 6;
// The bytes of a data message of `words` words.
constexpr std::size_t DataLength(std::size_t words) { return 5 + 3 * words; }

// A command; `ranged` ones carry a start and an end (command with range).
struct Command {
    std::uint8_t code = 0;
    std::uint16_t instrument = 0;
    std::uint16_t layer = 0;
    std::uint16_t third = 1;  // wave sample number, or 1
    bool ranged = false;
    std::uint32_t start = 0;
    std::uint32_t end = 0;

    bool operator==(const Command&) const = default;
};

void Put12(Bytes& bytes, std::uint16_t value);
std::uint16_t Get12(const std::uint8_t* bytes);
void Put24(Bytes& bytes, std::uint32_t value);
std::uint32_t Get24(const std::uint8_t* bytes);
void PutWord(Bytes& bytes, std::uint16_t word);
std::uint16_t GetWord(const std::uint8_t* bytes);

Bytes CommandMessage(std::uint8_t channel, const Command& command);
Bytes ResponseMessage(std::uint8_t channel, std::uint16_t code);
Bytes ControlMessage(std::uint8_t channel, std::uint16_t value);
Bytes DataMessage(std::uint8_t channel, const Words& words);
Bytes CancelMessage(std::uint8_t channel);

// The parts after the frame head of a well-framed message of exactly the
// length its kind has (12 or 20 for a command, 8 for a response, the
// length of `words` words for data); nullopt otherwise.
std::optional<Command> ParseCommand(const Bytes& message);
std::optional<std::uint16_t> ParseResponse(const Bytes& message);
std::optional<std::uint16_t> ParseControl(const Bytes& message);
std::optional<Words> ParseData(const Bytes& message, std::size_t words);
bool IsCancel(const Bytes& message);
// F0 0F 03 channel at the head, F7 at the end.
bool IsFramed(const Bytes& message, std::uint8_t channel);

// A 27-bit sample address as the four words of a wave-sample block.
std::array<std::uint16_t, 4> EncodeAddress(std::uint32_t address);
std::uint32_t DecodeAddress(const std::uint16_t* words);

}  // namespace Ensoniq
