#include "formats/preferences/CPreferencesReader.h"

#include <vector>

#include "formats/preferences/CABCDataFormat.h"
#include "framework/exceptions/GeneralExceptions.h"

CPreferencesReader::CPreferencesReader(CMedia& media)
    : fFile(media, ChunkByteOrder::kBigEndian)
{
    if (!CIFFReader2::IsValidFile(media, ChunkByteOrder::kBigEndian))
        throw XInvalidPreferencesFile();
    CIFFChunkInfo group;
    try {
        if (!fFile.FindCat("PREF", group))
            throw XInvalidPreferencesFile();
        fInside = std::make_unique<CIFFReader2>(fFile, group);
    } catch (const XInvalidPreferencesFile&) {
        throw;
    } catch (const XBase&) {
        throw XInvalidPreferencesFile();
    }
}

CPreferencesReader::~CPreferencesReader() = default;

bool CPreferencesReader::HasChunk(const char* id)
{
    CIFFChunkInfo record;
    return Guarded([&] { return fInside->FindChunk(id, record); });
}

bool CPreferencesReader::HasCat(const char* type)
{
    CIFFChunkInfo record;
    return Guarded([&] { return fInside->FindCat(type, record); });
}

void CPreferencesReader::ReadDataChunk(const char* id, CABCDataFormat& data)
{
    CIFFChunkInfo record;
    if (!Guarded([&] { return fInside->FindChunk(id, record); }))
        throw XPreferencesChunkNotFound();
    ReadDataChunk(*fInside, record, data);
}

void CPreferencesReader::ReadDataChunk(CIFFReader2& reader, const CIFFChunkInfo& record, CABCDataFormat& data)
{
    if (record.size > kMaxChunkSize)
        throw XInvalidPreferencesChunk();
    std::vector<std::uint8_t> buffer(record.size);
    Guarded([&] {
        reader.ReadChunkData(record, buffer.data());
        return 0;
    });
    data.Deserialize(buffer.data(), record.size);
}

std::unique_ptr<CIFFReader2> CPreferencesReader::OpenCat(const char* type)
{
    return Guarded([&] {
        CIFFChunkInfo record;
        if (!fInside->FindCat(type, record))
            throw XPreferencesChunkNotFound();
        return std::make_unique<CIFFReader2>(*fInside, record);
    });
}
