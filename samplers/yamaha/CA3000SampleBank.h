#pragma once
// One A3000 sample bank ("SB" dump data): its name, the parameters common
// to its samples (the transposition among them) and its members, each a
// sample name with its key range, original key and level. The dump is 276
// bytes of header and 20 per member, at least 436 (zeros after the last).
#include <cstdint>
#include <string>
#include <vector>

#include "samplers/yamaha/A3000Dump.h"

class CA3000SampleBank {
public:
    static constexpr std::size_t kHeaderBytes = 276;
    static constexpr std::size_t kMemberBytes = 20;
    static constexpr std::size_t kLeastBytes = 436;
    static constexpr const char* kNewName = "Unnamed SmpBank";
    static constexpr std::int32_t kMostTransposition = 63;
    // Offsets in the header.
    static constexpr std::size_t kName = 0;
    static constexpr std::size_t kMemberCount = 16;
    static constexpr std::size_t kTransposition = 18;

    struct Member {
        std::string name;
        std::uint8_t lowKey = 0;
        std::uint8_t highKey = 127;
        std::uint8_t originalKey = 60;
        std::uint8_t level = 127;
        bool operator==(const Member&) const = default;
    };

    // A new bank, "Unnamed SmpBank", no members, no transposition.
    CA3000SampleBank();
    // XA3000ReceivedInvalidSysex when `data` is shorter than its members.
    static CA3000SampleBank Read(const A3000::Bytes& data);
    A3000::Bytes Data() const;

    std::string Name() const { return A3000::GetName(&fCommon[kName]); }
    void SetName(const std::string& name) { A3000::PutName(&fCommon[kName], name); }
    // Semitones, kept within -63 … 63.
    std::int32_t Transposition() const { return static_cast<std::int8_t>(fCommon[kTransposition]); }
    void SetTransposition(std::int32_t semitones);

    const std::vector<Member>& Members() const { return fMembers; }
    void ClearMembers() { fMembers.clear(); }
    void AddMember(Member member) { fMembers.push_back(std::move(member)); }

private:
    A3000::Bytes fCommon;  // the header: name, count and common parameters
    std::vector<Member> fMembers;
};
