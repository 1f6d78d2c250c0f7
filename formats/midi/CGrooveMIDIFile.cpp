#include "formats/midi/CGrooveMIDIFile.h"

#include <algorithm>

#include "formats/midi/CMIDIFileWriter.h"
#include "framework/exceptions/Exceptions.h"
#include "framework/streams/CMemoryMedia.h"

namespace {

// Header, tempo track and kMaxNotes notes with the longest delta times.
constexpr std::int64_t kCapacity = 1652;
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
    const std::int64_t tick = (frame - left) * loopTicks / loopFrames;
    return static_cast<std::uint32_t>(std::clamp<std::int64_t>(tick, 0, UINT32_MAX));
}

std::vector<std::uint8_t> CGrooveMIDIFile::Build() const {
    if (loopFrames <= 0) throw XBadFormat();
    CMemoryMedia media(kCapacity);
    CMIDIFileWriter writer(media, false);

    MIDIHeader header;
    header.format = 1;
    header.trackCount = 2;
    header.divisionKind = MIDIHeader::kTicksPerQuarter;
    header.division = kDivision;
    writer.WriteHeader(header);

    writer.BeginTrack();
    writer.WriteTimeSignature(0, numerator, denominator);
    writer.WriteTempo(0, MicrosecondsPerQuarter(tempo));
    writer.EndTrack();

    writer.BeginTrack();
    const std::size_t count = std::min<std::size_t>(segments.size(), kMaxNotes);
    for (std::size_t i = 0; i < count; ++i) {
        const auto note = static_cast<std::uint8_t>(kFirstNote + i);
        writer.WriteEvent(TickOf(segments[i].start), kNoteOn, note, kVelocity);
        writer.WriteEvent(TickOf(segments[i].end), kNoteOn, note, 0);
    }
    writer.EndTrack();

    const std::uint8_t* data = media.Data();
    return std::vector<std::uint8_t>(data, data + media.GetPosition());
}
