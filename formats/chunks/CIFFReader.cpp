#include "formats/chunks/CIFFReader.h"

#include <algorithm>
#include <cstring>

#include "formats/chunks/ByteOrder.h"
#include "framework/exceptions/GeneralExceptions.h"
#include "framework/streams/CMedia.h"

namespace {

// The sizes that writers which cannot seek back leave in a header.
constexpr std::uint32_t kUnknownSize = 0xFFFFFFFF;

bool IsUnknownSize(std::uint32_t size) { return size == 0 || size == kUnknownSize; }

}  // namespace

CIFFReader::CIFFReader(CMedia& media, const char* formId)
    : media_(media)
{
    WriteId(formId_, formId);
    formId_[4] = '\0';
}

std::int64_t CIFFReader::GroupEnd()
{
    std::uint8_t group[12];
    const std::int64_t streamSize = media_.GetSize();
    if (streamSize < std::int64_t(sizeof group))
        throw XBadFormat();
    media_.ReadAt(0, sizeof group, group);
    char groupId[5];
    ReadId(group, groupId);
    const std::uint32_t groupSize = ReadChunkSize(group + 4, byteOrder_);
    if (std::strcmp(groupId, formId_) != 0 || (groupSize < 4 && !IsUnknownSize(groupSize)))
        throw XBadFormat();
    if (IsUnknownSize(groupSize))
        return streamSize;
    return std::min(std::int64_t(groupSize) + 8, streamSize);
}

bool CIFFReader::FindChunk(const char* id, std::uint32_t& size)
{
    const std::int64_t end = GroupEnd();
    // All arithmetic is 64-bit and every step advances by at least 8 bytes,
    // so the walk always ends.
    std::int64_t pos = 12;
    if (pos + 8 > end)
        return false;
    for (;;) {
        Header header = ReadHeader(pos);
        const std::int64_t room = end - pos - 8;
        const bool runsOver = std::int64_t(header.size) > room;
        if (IsOpenEnded(header) && (runsOver || IsUnknownSize(header.size))) {
            // Nothing after an unfinished chunk can be found.
            if (std::strcmp(header.id, id) != 0)
                return false;
            header.size = static_cast<std::uint32_t>(std::min<std::int64_t>(room, kUnknownSize - 1));
        } else if (runsOver) {
            throw XBadFormat();
        }
        if (std::strcmp(header.id, id) == 0) {
            size = header.size;
            return true;
        }
        pos += 8 + std::int64_t(header.size);
        if (kPadOddChunks && (header.size & 1))
            ++pos;
        if (pos + 8 >= end)
            return false;
    }
}

bool CIFFReader::ReadChunk(const char* id, void* buffer, std::int64_t skip, std::int64_t count, std::uint32_t& size)
{
    if (!FindChunk(id, size))
        return false;
    if (skip < 0 || count < 0 || skip + count > std::int64_t(size))
        throw XBadFormat();
    media_.Skip(skip);
    media_.Read(count, buffer);
    return true;
}

bool CIFFReader::ReadChunk(const char* id, void* buffer, std::int64_t count)
{
    std::uint32_t size = 0;
    return ReadChunk(id, buffer, 0, count, size);
}

CIFFReader::Header CIFFReader::ReadHeader(std::int64_t position)
{
    std::uint8_t bytes[8];
    media_.ReadAt(position, sizeof bytes, bytes);
    Header header;
    ReadId(bytes, header.id);
    header.size = ReadChunkSize(bytes + 4, byteOrder_);
    return header;
}
