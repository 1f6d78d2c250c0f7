#include "formats/chunks/CIFFReader2.h"

#include <cstring>

#include "framework/exceptions/GeneralExceptions.h"
#include "framework/streams/CMedia.h"
#include "framework/streams/CPartialMedia.h"

namespace {

constexpr std::int64_t kChunkHeaderLength = 8;

CIFFChunkInfo::Kind GroupKind(const char* id)
{
    if (std::strcmp(id, "FORM") == 0)
        return CIFFChunkInfo::kForm;
    if (std::strcmp(id, "CAT ") == 0)
        return CIFFChunkInfo::kCat;
    if (std::strcmp(id, "LIST") == 0)
        return CIFFChunkInfo::kList;
    return CIFFChunkInfo::kChunk;
}

} // namespace

CIFFReader2::CIFFReader2(CMedia& media, ChunkByteOrder byteOrder)
    : media_(media)
    , byteOrder_(byteOrder)
{
}

CIFFReader2::CIFFReader2(CIFFReader2& parent, const CIFFChunkInfo& record)
    : window_(parent.OpenWindow(record))
    , media_(*window_)
    , byteOrder_(parent.byteOrder_)
{
}

CIFFReader2::~CIFFReader2() = default;

bool CIFFReader2::ReadFirst(CIFFChunkInfo& record)
{
    if (media_.GetSize() < kChunkHeaderLength)
        return false;
    record = ReadHeader(0);
    return true;
}

bool CIFFReader2::ReadNext(const CIFFChunkInfo& record, CIFFChunkInfo& next)
{
    const std::int64_t end = record.start + record.TotalLength();
    const std::int64_t size = media_.GetSize();
    // A last chunk of odd length may lack its pad byte.
    if (end == size || end + (end & 1) == size)
        return false;
    const std::int64_t following = end + (end & 1);
    if (following > size)
        throw XBase();
    next = ReadHeader(following);
    return true;
}

bool CIFFReader2::FindChunk(const char* name, CIFFChunkInfo& record)
{
    return Find(CIFFChunkInfo::kChunk, name, record);
}

bool CIFFReader2::FindCat(const char* type, CIFFChunkInfo& record)
{
    return Find(CIFFChunkInfo::kCat, type, record);
}

void CIFFReader2::ReadChunkData(const CIFFChunkInfo& record, void* buffer)
{
    const std::unique_ptr<CPartialMedia> data = OpenWindow(record);
    data->SetPosition(0);
    data->Read(record.size, buffer);
}

std::unique_ptr<CPartialMedia> CIFFReader2::OpenWindow(const CIFFChunkInfo& record)
{
    CheckInside(record);
    return std::make_unique<CPartialMedia>(media_, record.DataStart(), record.size);
}

bool CIFFReader2::IsValidFile(CMedia& media, ChunkByteOrder byteOrder)
{
    try {
        CIFFReader2 reader(media, byteOrder);
        CIFFChunkInfo first;
        if (!reader.ReadFirst(first))
            return false;
        const bool group = first.kind == CIFFChunkInfo::kForm || first.kind == CIFFChunkInfo::kCat ||
            first.kind == CIFFChunkInfo::kList;
        return group && first.TotalLength() == media.GetSize();
    } catch (const XBase&) {
        return false;
    }
}

CIFFChunkInfo CIFFReader2::ReadHeader(std::int64_t start)
{
    CIFFChunkInfo record;
    record.start = start;
    if (start < 0 || start + kChunkHeaderLength > media_.GetSize())
        throw XBadFormat();
    std::uint8_t header[kChunkHeaderLength];
    media_.ReadAt(start, sizeof header, header);
    char id[5];
    ReadId(header, id);
    const std::uint32_t sizeField = ReadChunkSize(header + 4, byteOrder_);
    record.kind = GroupKind(id);
    if (record.kind == CIFFChunkInfo::kChunk) {
        std::memcpy(record.name, id, sizeof id);
        record.size = sizeField;
    } else {
        // A group's size counts its 4 type bytes.
        if (sizeField < 4 || start + record.HeaderLength() > media_.GetSize())
            throw XBadFormat();
        std::uint8_t type[4];
        media_.Read(sizeof type, type);
        ReadId(type, record.name);
        record.size = sizeField - 4;
    }
    CheckInside(record);
    return record;
}

bool CIFFReader2::Find(CIFFChunkInfo::Kind kind, const char* name, CIFFChunkInfo& record)
{
    media_.SetPosition(0);
    CIFFChunkInfo current;
    if (!ReadFirst(current))
        return false;
    while (current.kind != kind || std::strcmp(current.name, name) != 0) {
        if (!ReadNext(current, current))
            return false;
    }
    record = current;
    return true;
}

void CIFFReader2::CheckInside(const CIFFChunkInfo& record)
{
    if (record.start < 0 || record.start + record.TotalLength() > media_.GetSize())
        throw XBadFormat();
}
