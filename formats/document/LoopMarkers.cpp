#include "formats/document/LoopMarkers.h"

#include <vector>

#include "formats/chunks/ByteOrder.h"
#include "formats/chunks/CIFFReader.h"
#include "framework/exceptions/Exceptions.h"
#include "framework/streams/CMedia.h"

namespace {

constexpr std::uint16_t kLoopStartId = 1;
constexpr std::uint16_t kLoopEndId = 2;
// Identifier, position and the name's length byte.
constexpr std::size_t kMarkerHead = 7;

}  // namespace

std::optional<std::pair<std::uint32_t, std::uint32_t>> ReadLoopMarkers(CMedia& stream) {
    CIFFReader reader(stream, "FORM");
    std::uint32_t size = 0;
    if (!reader.FindChunk("MARK", size) || size < 2) return std::nullopt;
    std::vector<std::uint8_t> chunk(size);
    stream.Read(size, chunk.data());

    std::optional<std::uint32_t> start;
    std::optional<std::uint32_t> end;
    const std::uint16_t count = ReadBigEndian16(chunk.data());
    std::size_t at = 2;
    for (std::uint16_t i = 0; i < count; ++i) {
        if (at + kMarkerHead > size) throw XBadFormat();
        const std::uint16_t id = ReadBigEndian16(&chunk[at]);
        const std::uint32_t position = ReadBigEndian32(&chunk[at + 2]);
        const std::size_t nameLength = chunk[at + 6];
        // The length byte and the name are padded to an even count.
        at += kMarkerHead + nameLength + ((1 + nameLength) % 2);
        if (at > size + 1) throw XBadFormat();
        if (id == kLoopStartId && !start) start = position;
        if (id == kLoopEndId && !end) end = position;
    }
    if (!start || !end) return std::nullopt;
    return std::make_pair(*start, *end);
}
