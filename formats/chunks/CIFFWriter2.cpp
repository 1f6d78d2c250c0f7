#include "formats/chunks/CIFFWriter2.h"

#include <cstdint>

#include "framework/exceptions/GeneralExceptions.h"
#include "framework/streams/CMedia.h"
#include "framework/streams/CPartialMedia.h"

CIFFWriter2::CIFFWriter2(CMedia& media, ChunkByteOrder byteOrder)
    : media_(media)
    , byteOrder_(byteOrder)
{
}

CIFFWriter2::CIFFWriter2(CIFFWriter2& parent, const CIFFChunkInfo& group)
    : window_(std::make_unique<CPartialMedia>(parent.media_, group.DataStart()))
    , media_(*window_)
    , byteOrder_(parent.byteOrder_)
{
}

CIFFWriter2::~CIFFWriter2() = default;

CIFFChunkInfo CIFFWriter2::BeginForm(const char* type)
{
    return BeginGroup(CIFFChunkInfo::kForm, "FORM", type);
}

CIFFChunkInfo CIFFWriter2::BeginCat(const char* type)
{
    return BeginGroup(CIFFChunkInfo::kCat, "CAT ", type);
}

CIFFChunkInfo CIFFWriter2::BeginList(const char* type)
{
    return BeginGroup(CIFFChunkInfo::kList, "LIST", type);
}

CIFFChunkInfo CIFFWriter2::BeginGroup(CIFFChunkInfo::Kind kind, const char* groupId, const char* type)
{
    CIFFChunkInfo record;
    record.kind = kind;
    record.start = media_.GetPosition();
    std::uint8_t header[12] = {};
    WriteId(header, groupId);
    WriteId(header + 8, type);
    media_.Write(sizeof header, header);
    ReadId(header + 8, record.name);
    return record;
}

CIFFChunkInfo CIFFWriter2::BeginChunk(const char* id)
{
    CIFFChunkInfo record;
    record.kind = CIFFChunkInfo::kChunk;
    record.start = media_.GetPosition();
    std::uint8_t header[8] = {};
    WriteId(header, id);
    media_.Write(sizeof header, header);
    ReadId(header, record.name);
    return record;
}

void CIFFWriter2::EndChunk(const CIFFChunkInfo& record)
{
    const std::int64_t end = media_.GetPosition();
    const std::int64_t size = end - record.start - 8;
    if (size < 0 || size > std::int64_t(UINT32_MAX))
        throw XWrite();
    std::uint8_t field[4];
    WriteChunkSize(field, static_cast<std::uint32_t>(size), byteOrder_);
    media_.WriteAt(record.start + 4, sizeof field, field);
    media_.SetPosition(end);
    if (end & 1)
        media_.WriteByte(0);
}

void CIFFWriter2::WriteChunk(const char* id, std::int64_t count, const void* data)
{
    const CIFFChunkInfo record = BeginChunk(id);
    CPartialMedia window(media_, record.DataStart());
    window.Write(count, data);
    EndChunk(record);
}

void CIFFWriter2::Write(std::int64_t count, const void* data)
{
    media_.Write(count, data);
}
