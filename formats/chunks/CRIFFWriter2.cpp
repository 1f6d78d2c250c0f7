#include "formats/chunks/CRIFFWriter2.h"

#include <cstring>

CIFFChunkInfo CRIFFWriter2::BeginRiff(const char* type)
{
    CIFFChunkInfo record = BeginGroup(CIFFChunkInfo::kRiff, "RIFF", type);
    std::memcpy(record.id, "RIFF", 5);
    return record;
}
