#pragma once
// How a sampler type is reached: the connection kind every supported type
// holds, as the preferences file and the finders know it.
#include <cstdint>

enum class ConnectionKind : std::int32_t {
    kUndefined = 20,  // a persistent record not yet read
    kSCSI = 21,
    kMIDI = 22,
    kMIDIAndSCSI = 23,  // commands over MIDI, sample data over SCSI
    kNone = 24,         // a pseudo-sampler: a window or a file export
};

constexpr bool UsesMIDI(ConnectionKind kind)
{
    return kind == ConnectionKind::kMIDI || kind == ConnectionKind::kMIDIAndSCSI;
}

constexpr bool UsesSCSI(ConnectionKind kind)
{
    return kind == ConnectionKind::kSCSI || kind == ConnectionKind::kMIDIAndSCSI;
}

constexpr bool IsPseudoSampler(ConnectionKind kind)
{
    return kind == ConnectionKind::kUndefined || kind == ConnectionKind::kNone;
}
