#include "formats/chunks/CIFFChunkInfo.h"

#include "framework/exceptions/XBase.h"

std::int64_t CIFFChunkInfo::HeaderLength() const
{
    switch (kind) {
    case kChunk:
        return 8;
    case kForm:
    case kCat:
    case kList:
    case kRiff:
        return 12;
    default:
        throw XBase();
    }
}
