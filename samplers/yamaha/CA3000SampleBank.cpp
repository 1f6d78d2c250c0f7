#include "samplers/yamaha/CA3000SampleBank.h"

#include <algorithm>

#include "framework/exceptions/SamplerExceptions.h"

namespace {

constexpr std::size_t kLowKeyAt = 16;
constexpr std::size_t kHighKeyAt = 17;
constexpr std::size_t kOriginalKeyAt = 18;
constexpr std::size_t kLevelAt = 19;

}  // namespace

CA3000SampleBank::CA3000SampleBank() : fCommon(kHeaderBytes, 0)
{
    SetName(kNewName);
}

CA3000SampleBank CA3000SampleBank::Read(const A3000::Bytes& data)
{
    if (data.size() < kHeaderBytes)
        throw XA3000ReceivedInvalidSysex();
    CA3000SampleBank bank;
    bank.fCommon.assign(data.begin(), data.begin() + kHeaderBytes);
    const std::size_t count = (std::size_t{data[kMemberCount]} << 8) | data[kMemberCount + 1];
    if (data.size() < kHeaderBytes + count * kMemberBytes)
        throw XA3000ReceivedInvalidSysex();
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* at = &data[kHeaderBytes + i * kMemberBytes];
        bank.fMembers.push_back({A3000::GetName(at), at[kLowKeyAt], at[kHighKeyAt], at[kOriginalKeyAt], at[kLevelAt]});
    }
    return bank;
}

A3000::Bytes CA3000SampleBank::Data() const
{
    A3000::Bytes data = fCommon;
    data[kMemberCount] = static_cast<std::uint8_t>(fMembers.size() >> 8);
    data[kMemberCount + 1] = static_cast<std::uint8_t>(fMembers.size());
    data.resize(std::max(kLeastBytes, kHeaderBytes + fMembers.size() * kMemberBytes), 0);
    for (std::size_t i = 0; i < fMembers.size(); ++i) {
        std::uint8_t* at = &data[kHeaderBytes + i * kMemberBytes];
        const Member& member = fMembers[i];
        A3000::PutName(at, member.name);
        at[kLowKeyAt] = member.lowKey;
        at[kHighKeyAt] = member.highKey;
        at[kOriginalKeyAt] = member.originalKey;
        at[kLevelAt] = member.level;
    }
    return data;
}

void CA3000SampleBank::SetTransposition(std::int32_t semitones)
{
    const std::int32_t kept = std::clamp(semitones, -kMostTransposition, kMostTransposition);
    fCommon[kTransposition] = static_cast<std::uint8_t>(static_cast<std::int8_t>(kept));
}
