#include "samplers/model/SupportedSamplerTable.h"

namespace {

constexpr ResourceId kNoNotes = Res::kStringNotApplicable;

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
// SysEx IDs (SDS channels) 0-127 as the standard numbers them; no identification.
constexpr Abilities kSDS{true, false, false, 128};

constexpr SupportedSamplerConstants Row(ResourceId name, std::uint32_t typeId, ConnectionKind kind, CVersion required,
                                        ResourceId notes, std::uint32_t picture, Abilities abilities,
                                        std::uint32_t help = 102090)
{
    SupportedSamplerConstants row;
    row.name = name;
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
    Row(400133100, 1, kNone, {0, 0}, kNoNotes, 15000, kPseudo, 102060),
    Row(400133101, 8, kNone, {0, 0}, kNoNotes, 15080, kPseudo, 102070),
    Row(400133102, 16, kNone, {0, 0}, kNoNotes, 15081, kPseudo, 102080),
    Row(400133103, 24, kNone, {0, 0}, kNoNotes, 15082, kPseudo, 102100),
    Row(400133120, 4000, kMIDI, {4, 40}, kNoNotes, 15010, kAKAI),
    Row(400133122, 4010, kMIDI, {4, 30}, kNoNotes, 15011, kAKAI),
    Row(400133124, 4130, kMIDI, {2, 0}, kNoNotes, 15020, kAKAI),
    Row(400133125, 4131, kSCSI, {2, 0}, kNoNotes, 15020, kAKAI),
    Row(400133126, 4110, kMIDI, {2, 0}, kNoNotes, 15021, kAKAI),
    Row(400133128, 4100, kMIDI, {2, 0}, kNoNotes, 15022, kAKAI),
    Row(400133132, 4150, kMIDI, {2, 0}, kNoNotes, 15023, kAKAI),
    Row(400133133, 4151, kSCSI, {2, 0}, kNoNotes, 15023, kAKAI),
    Row(400133136, 4140, kMIDI, {2, 0}, kNoNotes, 15024, kAKAI),
    Row(400133138, 4160, kMIDI, {2, 0}, kNoNotes, 15025, kAKAI),
    Row(400133139, 4161, kSCSI, {2, 0}, kNoNotes, 15025, kAKAI),
    Row(400133130, 4120, kMIDI, {2, 0}, kNoNotes, 15026, kAKAI),
    Row(400133134, 4170, kMIDI, {2, 0}, kNoNotes, 15027, kAKAI),
    Row(400133135, 4171, kSCSI, {2, 0}, kNoNotes, 15027, kAKAI),
    Row(400133191, 5101, kSCSI, {4, 0}, kNoNotes, 15063, kEMU),
    Row(400133181, 5001, kSCSI, {3, 2}, kNoNotes, 15060, kEMU),
    Row(400133183, 5011, kSCSI, {3, 2}, kNoNotes, 15061, kEMU),
    Row(400133193, 5111, kSCSI, {4, 0}, kNoNotes, 15063, kEMU),
    Row(400133195, 5121, kSCSI, {4, 0}, kNoNotes, 15064, kEMU),
    Row(400133197, 5131, kSCSI, {4, 0}, kNoNotes, 15065, kEMU),
    Row(400133199, 5141, kSCSI, {4, 0}, kNoNotes, 15066, kEMU),
    Row(400133211, 5201, kSCSI, {4, 0}, kNoNotes, 15068, kEMU),
    Row(400133213, 5211, kSCSI, {4, 0}, kNoNotes, 15069, kEMU),
    Row(400133215, 5221, kSCSI, {4, 0}, kNoNotes, 15070, kEMU),
    Row(400133160, 3000, kMIDI, {2, 49}, 400133660, 15030, kEnsoniq),
    Row(400133162, 3010, kMIDI, {1, 30}, 400133662, 15031, kEnsoniq),
    Row(400133164, 3020, kMIDI, {3, 53}, 400133664, 15032, kEnsoniq),
    Row(400133110, 1000, kMIDI, {3, 1}, kNoNotes, 15000, kKurzweil),
    Row(400133111, 1002, kBoth, {3, 1}, kNoNotes, 15000, kKurzweil),
    Row(400133112, 1010, kMIDI, {2, 80}, kNoNotes, 15001, kKurzweil),
    Row(400133113, 1012, kBoth, {2, 80}, kNoNotes, 15001, kKurzweil),
    Row(400133150, 2000, kMIDI, {2, 24}, 400133650, 15040, kRoland),
    Row(400133170, 6000, kMIDI, {2, 0}, 400133670, 15050, kYamaha),
    Row(400133171, 6002, kBoth, {2, 0}, 400133671, 15050, kYamaha),
    Row(400133104, 32, kNone, {0, 0}, kNoNotes, 15000, kPseudo, 102110),
    // Beyond the table's models, after them so that the stored type ids keep their meaning.
    Row(400133230, 7000, kMIDI, {0, 0}, kNoNotes, 15085, kSDS),
};
