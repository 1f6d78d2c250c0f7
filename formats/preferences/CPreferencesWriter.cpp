#include "formats/preferences/CPreferencesWriter.h"

#include <vector>

#include "formats/preferences/CABCDataFormat.h"

CPreferencesWriter::CPreferencesWriter(CMedia& media)
    : CIFFWriter2(media, ChunkByteOrder::kBigEndian)
    , fGroup(BeginCat("PREF"))
    , fInside(std::make_unique<CIFFWriter2>(*this, fGroup))
{
}

CPreferencesWriter::~CPreferencesWriter()
{
    if (fFinished)
        return;
    try {
        Finish();
    } catch (...) {
        // A file that failed is discarded by its caller; nothing more to do.
    }
}

void CPreferencesWriter::WriteDataChunk(const char* id, const CABCDataFormat& data)
{
    WriteDataChunk(Inside(), id, data);
}

void CPreferencesWriter::WriteDataChunk(CIFFWriter2& writer, const char* id, const CABCDataFormat& data)
{
    std::vector<std::uint8_t> buffer(data.GetSize());
    data.Serialize(buffer.data());
    writer.WriteChunk(id, static_cast<std::int64_t>(buffer.size()), buffer.data());
}

void CPreferencesWriter::Finish()
{
    fFinished = true;
    fInside.reset();
    EndChunk(fGroup);
}
