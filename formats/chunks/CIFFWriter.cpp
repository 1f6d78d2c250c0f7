#include "formats/chunks/CIFFWriter.h"

#include <cstdint>

#include "formats/chunks/ByteOrder.h"
#include "framework/exceptions/GeneralExceptions.h"
#include "framework/streams/CMedia.h"

CIFFWriter::CIFFWriter(CMedia& media)
    : CIFFWriter(media, ChunkByteOrder::kBigEndian)
{
}

CIFFWriter::CIFFWriter(CMedia& media, ChunkByteOrder byteOrder)
    : byteOrder_(byteOrder)
    , media_(media)
{
}

void CIFFWriter::BeginForm(const char* groupId, const char* type)
{
    if (formStart_ != kNotOpen)
        throw XInternalError();
    const std::int64_t start = media_.GetPosition();
    WriteIdentifier(groupId);
    WriteSize(kUnfinishedSize);
    WriteIdentifier(type);
    formStart_ = start;
}

void CIFFWriter::EndForm()
{
    const std::int64_t start = formStart_;
    if (start == kNotOpen || chunkStart_ != kNotOpen)
        throw XInternalError();
    formStart_ = kNotOpen;
    PatchSize(start);
}

void CIFFWriter::BeginChunk(const char* id)
{
    if (chunkStart_ != kNotOpen)
        throw XInternalError();
    const std::int64_t start = media_.GetPosition();
    WriteIdentifier(id);
    WriteSize(kUnfinishedSize);
    chunkStart_ = start;
}

void CIFFWriter::EndChunk()
{
    const std::int64_t start = chunkStart_;
    if (start == kNotOpen)
        throw XInternalError();
    chunkStart_ = kNotOpen;
    PatchSize(start);
}

void CIFFWriter::Write(std::int64_t count, const void* data)
{
    media_.Write(count, data);
}

void CIFFWriter::WriteChunk(const char* id, const void* data, std::int64_t count)
{
    BeginChunk(id);
    Write(count, data);
    EndChunk();
}

void CIFFWriter::WriteIdentifier(const char* id)
{
    std::uint8_t bytes[4];
    WriteId(bytes, id);
    media_.Write(4, bytes);
}

void CIFFWriter::WriteSize(std::uint32_t size)
{
    std::uint8_t bytes[4];
    WriteChunkSize(bytes, size, byteOrder_);
    media_.Write(4, bytes);
}

void CIFFWriter::PatchSize(std::int64_t start)
{
    const std::int64_t end = media_.GetPosition();
    const std::int64_t size = end - start - 8;
    // A size field holds 32 bits; anything larger cannot be written truthfully.
    if (size < 0 || size > std::int64_t(UINT32_MAX))
        throw XWrite();
    media_.SetPosition(start + 4);
    WriteSize(static_cast<std::uint32_t>(size));
    media_.SetPosition(end);
}
