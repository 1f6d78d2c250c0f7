#include "formats/midi/CGrooveMIDIFile.h"

#include <algorithm>

#include "formats/midi/CMIDIFileWriter.h"
#include "framework/exceptions/Exceptions.h"
#include "framework/streams/CMemoryMedia.h"

namespace {

// Header and tempo track, and per note two events with the longest delta times.
constexpr std::int64_t kFixedCapacity = 64;
constexpr std::int64_t kNoteCapacity = 14;
constexpr std::uint8_t kNoteOn = 0x90;  // channel 1
constexpr std::uint8_t kVelocity = 127;
constexpr std::uint32_t kMaxMicroseconds = 0xFFFFFF;
constexpr std::uint64_t kMicrosecondsPerMinuteMilli = 60000000000ULL;

}  // namespace

std::uint32_t CGrooveMIDIFile::MicrosecondsPerQuarter(std::uint32_t tempo) {
    if (tempo == 0) return kMaxMicroseconds;
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(kMicrosecondsPerMinuteMilli / tempo, kMaxMicroseconds));
}

std::uint32_t CGrooveMIDIFile::TickOf(std::int64_t frame) const {
    const std::int64_t tick = (frame - left) * loopTicks * division / (loopFrames * kDivision);
    return static_cast<std::uint32_t>(std::clamp<std::int64_t>(tick, 0, UINT32_MAX));
}

std::vector<std::uint8_t> CGrooveMIDIFile::Build() const {
    if (loopFrames <= 0 || firstNote < 0 || firstNote > 127 || division == 0) throw XBadFormat();
    const std::size_t count = std::min<std::size_t>(segments.size(), static_cast<std::size_t>(128 - firstNote));
    CMemoryMedia media(kFixedCapacity + kNoteCapacity * static_cast<std::int64_t>(count));
    CMIDIFileWriter writer(media, false);

    MIDIHeader header;
    header.format = 1;
    header.trackCount = 2;
    header.divisionKind = MIDIHeader::kTicksPerQuarter;
    header.division = division;
    writer.WriteHeader(header);

    writer.BeginTrack();
    writer.WriteTimeSignature(0, numerator, denominator);
    writer.WriteTempo(0, MicrosecondsPerQuarter(tempo));
    writer.EndTrack();

    writer.BeginTrack();
    for (std::size_t i = 0; i < count; ++i) {
        const auto note = static_cast<std::uint8_t>(firstNote + static_cast<int>(i));
        writer.WriteEvent(TickOf(segments[i].start), kNoteOn, note, kVelocity);
        writer.WriteEvent(TickOf(segments[i].end), kNoteOn, note, 0);
    }
    writer.EndTrack();

    const std::uint8_t* data = media.Data();
    return std::vector<std::uint8_t>(data, data + media.GetPosition());
}
