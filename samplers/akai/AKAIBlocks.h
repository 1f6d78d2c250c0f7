#pragma once
// The program header, keygroup and sample header blocks of the AKAI
// S1000/S3000 family: 150 bytes on the S1000 and S1100, 192 on the S3000
// family, whose first 150 bytes keep the S1000 meaning. Words are stored
// least significant byte first; tunings are 16-bit cent:semi words (the
// high byte semitones, the low byte the binary fraction of a semitone).
#include <cstdint>
#include <string>
#include <vector>

#include "samplers/transfer/SampleFormat.h"

namespace AKAIBlock {

using Bytes = std::vector<std::uint8_t>;

inline constexpr std::size_t kS1000Size = 150;
inline constexpr std::size_t kS3000Size = 192;
inline constexpr int kZones = 4;
inline constexpr std::int32_t kLongestTune = 12800;  // +/- 50 semitones

// A new program header named `name` with one keygroup, as the model makes it.
Bytes DefaultProgram(std::size_t size, const std::string& name);
// A new keygroup over the whole keyboard, zone 1 empty, as the model makes it.
Bytes DefaultKeygroup(std::size_t size);

std::string ProgramName(const Bytes& program);
void SetProgramName(Bytes& program, const std::string& name);
int KeygroupCount(const Bytes& program);
void SetKeygroupCount(Bytes& program, int count);
std::int32_t ProgramTune(const Bytes& program);
// Held to +/- kLongestTune.
void SetProgramTune(Bytes& program, std::int32_t tune);

int LowKey(const Bytes& keygroup);
int HighKey(const Bytes& keygroup);
void SetKeyRange(Bytes& keygroup, int low, int high);
// Zone 0 to 3: its sample name (blanks for an empty zone) and velocities.
std::string ZoneSample(const Bytes& keygroup, int zone);
void SetZone(Bytes& keygroup, int zone, const std::string& sample, int lowVelocity, int highVelocity);

// The sample header of `format` (see the transfer's notes on loops).
Bytes SampleHeader(std::size_t size, const SampleFormat& format);
std::string SampleName(const Bytes& header);
std::uint32_t SampleLength(const Bytes& header);
std::uint32_t SampleRate(const Bytes& header);
int SampleRootKey(const Bytes& header);

}  // namespace AKAIBlock
