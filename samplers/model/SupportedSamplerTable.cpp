#include "samplers/model/SupportedSamplerTable.h"

namespace {

constexpr ResourceId kNoNotes = Res::kStringNotApplicable;
constexpr ResourceId Entry(int number) { return 400133000 + number; }

struct Abilities {
    bool canReceive;
    bool sysexIdsFromOne;
    bool osDetectable;
    std::uint16_t sysexIdCount;
};
constexpr Abilities kPseudo{false, false, false, 16};
constexpr Abilities kAKAI{true, true, true, 128};
constexpr Abilities kEMU{true, true, true, 16};
constexpr Abilities kEnsoniq{true, true, false, 16};
constexpr Abilities kKurzweil{true, false, true, 128};
constexpr Abilities kRoland{true, true, false, 32};
constexpr Abilities kYamaha{true, true, true, 16};

constexpr SupportedSamplerConstants Row(int name, std::uint32_t typeId, ConnectionKind kind, CVersion required,
                                        ResourceId notes, std::uint32_t picture, Abilities abilities,
                                        std::uint32_t help = 102090)
{
    SupportedSamplerConstants row;
    row.name = Entry(name);
    row.notes = notes;
    row.requiredOS = required;
    row.typeId = typeId;
    row.kind = kind;
    row.canReceive = abilities.canReceive;
    row.canTransmit = true;
    row.picture = picture;
    row.sysexIdsFromOne = abilities.sysexIdsFromOne;
    row.sysexIdCount = abilities.sysexIdCount;
    row.osDetectable = abilities.osDetectable;
    row.helpId = help;
    return row;
}

constexpr ConnectionKind kNone = ConnectionKind::kNone;
constexpr ConnectionKind kSCSI = ConnectionKind::kSCSI;
constexpr ConnectionKind kMIDI = ConnectionKind::kMIDI;
constexpr ConnectionKind kBoth = ConnectionKind::kMIDIAndSCSI;

}  // namespace

const std::array<SupportedSamplerConstants, kSupportedSamplerCount> kSupportedSamplerTable = {
    Row(100, 1, kNone, {0, 0}, kNoNotes, 15000, kPseudo, 102060),
    Row(101, 8, kNone, {0, 0}, kNoNotes, 15080, kPseudo, 102070),
    Row(102, 16, kNone, {0, 0}, kNoNotes, 15081, kPseudo, 102080),
    Row(103, 24, kNone, {0, 0}, kNoNotes, 15082, kPseudo, 102100),
    Row(120, 4000, kMIDI, {4, 40}, kNoNotes, 15010, kAKAI),
    Row(122, 4010, kMIDI, {4, 30}, kNoNotes, 15011, kAKAI),
    Row(124, 4130, kMIDI, {2, 0}, kNoNotes, 15020, kAKAI),
    Row(125, 4131, kSCSI, {2, 0}, kNoNotes, 15020, kAKAI),
    Row(126, 4110, kMIDI, {2, 0}, kNoNotes, 15021, kAKAI),
    Row(128, 4100, kMIDI, {2, 0}, kNoNotes, 15022, kAKAI),
    Row(132, 4150, kMIDI, {2, 0}, kNoNotes, 15023, kAKAI),
    Row(133, 4151, kSCSI, {2, 0}, kNoNotes, 15023, kAKAI),
    Row(136, 4140, kMIDI, {2, 0}, kNoNotes, 15024, kAKAI),
    Row(138, 4160, kMIDI, {2, 0}, kNoNotes, 15025, kAKAI),
    Row(139, 4161, kSCSI, {2, 0}, kNoNotes, 15025, kAKAI),
    Row(130, 4120, kMIDI, {2, 0}, kNoNotes, 15026, kAKAI),
    Row(134, 4170, kMIDI, {2, 0}, kNoNotes, 15027, kAKAI),
    Row(135, 4171, kSCSI, {2, 0}, kNoNotes, 15027, kAKAI),
    Row(191, 5101, kSCSI, {4, 0}, kNoNotes, 15063, kEMU),
    Row(181, 5001, kSCSI, {3, 2}, kNoNotes, 15060, kEMU),
    Row(183, 5011, kSCSI, {3, 2}, kNoNotes, 15061, kEMU),
    Row(193, 5111, kSCSI, {4, 0}, kNoNotes, 15063, kEMU),
    Row(195, 5121, kSCSI, {4, 0}, kNoNotes, 15064, kEMU),
    Row(197, 5131, kSCSI, {4, 0}, kNoNotes, 15065, kEMU),
    Row(199, 5141, kSCSI, {4, 0}, kNoNotes, 15066, kEMU),
    Row(211, 5201, kSCSI, {4, 0}, kNoNotes, 15068, kEMU),
    Row(213, 5211, kSCSI, {4, 0}, kNoNotes, 15069, kEMU),
    Row(215, 5221, kSCSI, {4, 0}, kNoNotes, 15070, kEMU),
    Row(160, 3000, kMIDI, {2, 49}, Entry(660), 15030, kEnsoniq),
    Row(162, 3010, kMIDI, {1, 30}, Entry(662), 15031, kEnsoniq),
    Row(164, 3020, kMIDI, {3, 53}, Entry(664), 15032, kEnsoniq),
    Row(110, 1000, kMIDI, {3, 1}, kNoNotes, 15000, kKurzweil),
    Row(111, 1002, kBoth, {3, 1}, kNoNotes, 15000, kKurzweil),
    Row(112, 1010, kMIDI, {2, 80}, kNoNotes, 15001, kKurzweil),
    Row(113, 1012, kBoth, {2, 80}, kNoNotes, 15001, kKurzweil),
    Row(150, 2000, kMIDI, {2, 24}, Entry(650), 15040, kRoland),
    Row(170, 6000, kMIDI, {2, 0}, Entry(670), 15050, kYamaha),
    Row(171, 6002, kBoth, {2, 0}, Entry(671), 15050, kYamaha),
};
