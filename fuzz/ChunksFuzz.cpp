// Walks arbitrary bytes as a chunk file in both byte orders: the flat reader
// looks for a few chunks, the nesting reader descends into every group. Only
// the program's own exceptions may leave the readers; anything else (a crash,
// an endless walk, a read outside the stream) is a fault.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "formats/chunks/CIFFReader.h"
#include "formats/chunks/CIFFReader2.h"
#include "framework/exceptions/XBase.h"
#include "framework/streams/CMemoryMedia.h"

namespace {

constexpr int kMaxDepth = 48;
constexpr std::uint32_t kMaxRead = 1 << 16;

void WalkFlat(CMemoryMedia& media, const char* formId, bool littleEndian)
{
    CIFFReader reader(media, formId);
    if (littleEndian)
        reader.SetLittleEndian();
    reader.SetOpenEndedChunk(littleEndian ? "data" : "SSND");
    for (const char* id : {"COMM", "SSND", "fmt ", "data", "APPL", "INST"}) {
        try {
            std::uint32_t size = 0;
            if (!reader.FindChunk(id, size))
                continue;
            std::vector<std::uint8_t> buffer(std::min(size, kMaxRead) / 2 + 1);
            reader.ReadChunk(id, buffer.data(), 1, static_cast<std::int64_t>(buffer.size()), size);
        } catch (const XBase&) {
        }
    }
}

void WalkNested(CIFFReader2& reader, int depth)
{
    CIFFChunkInfo record;
    if (!reader.ReadFirst(record))
        return;
    do {
        if (record.kind == CIFFChunkInfo::kChunk) {
            if (record.size <= kMaxRead) {
                std::vector<std::uint8_t> data(record.size);
                reader.ReadChunkData(record, data.data());
            }
        } else if (depth < kMaxDepth) {
            CIFFReader2 inner(reader, record);
            WalkNested(inner, depth + 1);
            CIFFChunkInfo found;
            inner.FindChunk("data", found);
            inner.FindCat("TYPE", found);
        }
    } while (reader.ReadNext(record, record));
}

void WalkNested(CMemoryMedia& media, ChunkByteOrder order)
{
    CIFFReader2::IsValidFile(media, order);
    try {
        CIFFReader2 reader(media, order);
        CIFFChunkInfo found;
        reader.FindChunk("INFO", found);
        reader.FindCat("ABCD", found);
        WalkNested(reader, 0);
    } catch (const XBase&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CMemoryMedia media(static_cast<std::int64_t>(size));
    if (size > 0)
        std::memcpy(media.Data(), data, size);
    WalkFlat(media, "FORM", false);
    WalkFlat(media, "RIFF", true);
    WalkNested(media, ChunkByteOrder::kBigEndian);
    WalkNested(media, ChunkByteOrder::kLittleEndian);
    return 0;
}
