// Offsets from AKAI's "S1000 MIDI Exclusive Communication" (program common,
// keygroup and sample header blocks) and "S2800/S3000/S3200 MIDI System
// Exclusive Extensions" (the 192-byte S3000 blocks).
#include "samplers/akai/AKAIBlocks.h"

#include <algorithm>

#include "devices/midi/SysexEncoding.h"
#include "samplers/akai/AKAIText.h"

namespace AKAIBlock {

namespace {

// Program header.
constexpr std::size_t kProgramIdent = 0;
constexpr std::size_t kProgramName = 3;
constexpr std::size_t kMIDIChannel = 16;
constexpr std::size_t kPolyphony = 17;
constexpr std::size_t kPriority = 18;
constexpr std::size_t kPlayLow = 19;
constexpr std::size_t kPlayHigh = 20;
constexpr std::size_t kOutput = 22;
constexpr std::size_t kStereoLevel = 23;
constexpr std::size_t kLoudness = 25;
constexpr std::size_t kVelocityLoudness = 26;
constexpr std::size_t kLFORate = 33;
constexpr std::size_t kBendUp = 39;
constexpr std::size_t kGroups = 42;
constexpr std::size_t kProgramTune = 65;
constexpr std::size_t kVoiceScale = 70;
constexpr std::size_t kBendDown = 73;  // S3000 only
// Keygroup.
constexpr std::size_t kKeygroupIdent = 0;
constexpr std::size_t kLowNote = 3;
constexpr std::size_t kHighNote = 4;
constexpr std::size_t kFilter = 7;
constexpr std::size_t kKeyFilter = 8;
constexpr std::size_t kAmpEnvelope = 12;     // attack, decay, sustain, release
constexpr std::size_t kFilterEnvelope = 20;  // the same
constexpr std::size_t kZone1 = 34;
constexpr std::size_t kZoneBytes = 24;
constexpr std::size_t kZoneLowVelocity = 12;
constexpr std::size_t kZoneHighVelocity = 13;
constexpr std::size_t kMuteGroup = 160;  // S3000 only
// Sample header.
constexpr std::size_t kSampleIdent = 0;
constexpr std::size_t kBandwidth = 1;
constexpr std::size_t kPitch = 2;
constexpr std::size_t kSampleName = 3;
constexpr std::size_t kRateValid = 15;
constexpr std::size_t kLoops = 16;
constexpr std::size_t kPlaybackType = 19;
constexpr std::size_t kSampleTune = 20;
constexpr std::size_t kLength = 26;
constexpr std::size_t kStart = 30;
constexpr std::size_t kEnd = 34;
constexpr std::size_t kLoop1 = 38;
constexpr std::size_t kLoopBytes = 12;
constexpr std::size_t kLoopWholeLength = 6;  // after the length's fraction word
constexpr std::size_t kLoopDwell = 10;
constexpr std::size_t kRate = 138;

constexpr std::uint8_t kProgramBlock = 1;
constexpr std::uint8_t kKeygroupBlock = 2;
constexpr std::uint8_t kSampleBlock = 3;
constexpr std::uint8_t kRateIsValid = 0x80;
constexpr std::uint16_t kHold = 9999;
constexpr std::uint8_t kNormalLooping = 0;
constexpr std::uint8_t kLoopUntilRelease = 1;
constexpr std::uint8_t kNoLooping = 2;

void PutWord(Bytes& block, std::size_t at, std::uint16_t value)
{
    block[at] = static_cast<std::uint8_t>(value & 0xFF);
    block[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void PutLong(Bytes& block, std::size_t at, std::uint32_t value)
{
    PutWord(block, at, static_cast<std::uint16_t>(value & 0xFFFF));
    PutWord(block, at + 2, static_cast<std::uint16_t>(value >> 16));
}

std::uint16_t Word(const Bytes& block, std::size_t at)
{
    return static_cast<std::uint16_t>(block[at] | (block[at + 1] << 8));
}

std::uint32_t Long(const Bytes& block, std::size_t at)
{
    return Word(block, at) | (std::uint32_t{Word(block, at + 2)} << 16);
}

void PutName(Bytes& block, std::size_t at, const std::string& name)
{
    const std::vector<std::uint8_t> codes = AKAI::ToCodes(name);
    std::copy(codes.begin(), codes.end(), block.begin() + static_cast<std::ptrdiff_t>(at));
}

bool IsS3000(const Bytes& block)
{
    return block.size() >= kS3000Size;
}

void PutLoop(Bytes& header, int index, const SampleLoop& loop)
{
    const std::size_t at = kLoop1 + kLoopBytes * static_cast<std::size_t>(index);
    PutLong(header, at, loop.end);
    PutLong(header, at + kLoopWholeLength, loop.end - std::min(loop.start, loop.end));
    PutWord(header, at + kLoopDwell, kHold);
}

}  // namespace

Bytes DefaultProgram(std::size_t size, const std::string& name)
{
    Bytes program(size, 0);
    const bool s3000 = size >= kS3000Size;
    program[kProgramIdent] = kProgramBlock;
    PutName(program, kProgramName, name);
    program[kMIDIChannel] = 0;
    program[kPolyphony] = s3000 ? 31 : 16;
    program[kPriority] = 1;
    program[kPlayLow] = s3000 ? 21 : 24;
    program[kPlayHigh] = 127;
    program[kOutput] = 0xFF;
    program[kStereoLevel] = 99;
    program[kLoudness] = 80;
    program[kVelocityLoudness] = 20;
    program[kLFORate] = 50;
    program[kBendUp] = 2;
    program[kGroups] = 1;
    program[kVoiceScale] = s3000 ? 99 : 1;
    if (s3000)
        program[kBendDown] = 2;
    return program;
}

Bytes DefaultKeygroup(std::size_t size)
{
    Bytes keygroup(size, 0);
    keygroup[kKeygroupIdent] = kKeygroupBlock;
    SetKeyRange(keygroup, size >= kS3000Size ? 21 : 24, 127);
    keygroup[kFilter] = 99;
    keygroup[kKeyFilter] = 12;
    for (const std::size_t envelope : {kAmpEnvelope, kFilterEnvelope}) {
        keygroup[envelope + 1] = 50;
        keygroup[envelope + 2] = 99;
        keygroup[envelope + 3] = 30;
    }
    for (int zone = 0; zone < kZones; ++zone)
        SetZone(keygroup, zone, "", 0, 127);
    if (IsS3000(keygroup))
        keygroup[kMuteGroup] = 0xFF;
    return keygroup;
}

std::string ProgramName(const Bytes& program)
{
    return AKAI::FromCodes(program.data() + kProgramName);
}

void SetProgramName(Bytes& program, const std::string& name)
{
    PutName(program, kProgramName, name);
}

int KeygroupCount(const Bytes& program)
{
    return program[kGroups];
}

void SetKeygroupCount(Bytes& program, int count)
{
    program[kGroups] = static_cast<std::uint8_t>(count);
}

std::int32_t ProgramTune(const Bytes& program)
{
    return static_cast<std::int16_t>(Word(program, kProgramTune));
}

void SetProgramTune(Bytes& program, std::int32_t tune)
{
    PutWord(program, kProgramTune, static_cast<std::uint16_t>(std::clamp(tune, -kLongestTune, kLongestTune)));
}

int LowKey(const Bytes& keygroup)
{
    return keygroup[kLowNote];
}

int HighKey(const Bytes& keygroup)
{
    return keygroup[kHighNote];
}

void SetKeyRange(Bytes& keygroup, int low, int high)
{
    keygroup[kLowNote] = static_cast<std::uint8_t>(low);
    keygroup[kHighNote] = static_cast<std::uint8_t>(high);
}

std::string ZoneSample(const Bytes& keygroup, int zone)
{
    return AKAI::FromCodes(keygroup.data() + kZone1 + kZoneBytes * static_cast<std::size_t>(zone));
}

void SetZone(Bytes& keygroup, int zone, const std::string& sample, int lowVelocity, int highVelocity)
{
    const std::size_t at = kZone1 + kZoneBytes * static_cast<std::size_t>(zone);
    PutName(keygroup, at, sample);
    keygroup[at + kZoneLowVelocity] = static_cast<std::uint8_t>(lowVelocity);
    keygroup[at + kZoneHighVelocity] = static_cast<std::uint8_t>(highVelocity);
}

Bytes SampleHeader(std::size_t size, const SampleFormat& format)
{
    Bytes header(size, 0);
    header[kSampleIdent] = kSampleBlock;
    header[kBandwidth] = format.rate >= 44100 ? 1 : 0;
    header[kPitch] = format.rootKey;
    PutName(header, kSampleName, format.name);
    header[kRateValid] = kRateIsValid;
    PutWord(header, kSampleTune, static_cast<std::uint16_t>(RoundedMulDiv(format.fineTune, 128, 50)));
    PutLong(header, kLength, format.length);
    PutLong(header, kStart, format.start);
    PutLong(header, kEnd, format.end > 0 ? format.end - 1 : 0);
    PutWord(header, kRate, static_cast<std::uint16_t>(std::min<std::uint32_t>(format.rate, 0xFFFF)));
    const bool hasRelease = format.release.mode != LoopMode::kNoLoopData;
    switch (format.sustain.mode) {
    case LoopMode::kNoLoopData: header[kPlaybackType] = kNoLooping; break;
    case LoopMode::kOff:
        PutLoop(header, 0, format.sustain);
        header[kPlaybackType] = kNoLooping;
        break;
    default:
        PutLoop(header, 0, format.sustain);
        header[kPlaybackType] = hasRelease ? kLoopUntilRelease : kNormalLooping;
        break;
    }
    if (hasRelease)
        PutLoop(header, 1, format.release);
    header[kLoops] = hasRelease ? 2 : 1;
    return header;
}

std::string SampleName(const Bytes& header)
{
    return AKAI::FromCodes(header.data() + kSampleName);
}

std::uint32_t SampleLength(const Bytes& header)
{
    return Long(header, kLength);
}

std::uint32_t SampleRate(const Bytes& header)
{
    return Word(header, kRate);
}

int SampleRootKey(const Bytes& header)
{
    return header[kPitch];
}

}  // namespace AKAIBlock
