#include "formats/chunks/CIFFReader.h"

#include <cstring>

#include "formats/chunks/ByteOrder.h"
#include "framework/exceptions/GeneralExceptions.h"
#include "framework/streams/CMedia.h"

CIFFReader::CIFFReader(CMedia& media, const char* formId)
    : media_(media)
{
    WriteId(formId_, formId);
    formId_[4] = '\0';
}

bool CIFFReader::FindChunk(const char* id, std::uint32_t& size)
{
    std::uint8_t group[12];
    if (media_.GetSize() < std::int64_t(sizeof group))
        throw XBadFormat();
    media_.ReadAt(0, sizeof group, group);
    char groupId[5];
    ReadId(group, groupId);
    const std::uint32_t groupSize = ReadChunkSize(group + 4, byteOrder_);
    if (std::strcmp(groupId, formId_) != 0 || groupSize < 4)
        throw XBadFormat();
    const std::int64_t end = std::int64_t(groupSize) + 8;
    if (end > media_.GetSize())
        throw XBadFormat();

    // All arithmetic is 64-bit and every step advances by at least 8 bytes,
    // so the walk always ends.
    std::int64_t pos = 12;
    if (pos + 8 > end)
        return false;
    Header header = ReadHeader(pos);
    CheckInside(pos, header, end);
    while (std::strcmp(header.id, id) != 0) {
        pos += 8 + std::int64_t(header.size);
        if (kPadOddChunks && (header.size & 1))
            ++pos;
        if (pos + 8 >= end)
            return false;
        header = ReadHeader(pos);
        CheckInside(pos, header, end);
    }
    size = header.size;
    return true;
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

void CIFFReader::CheckInside(std::int64_t position, const Header& header, std::int64_t end)
{
    if (position + 8 + std::int64_t(header.size) > end)
        throw XBadFormat();
}
