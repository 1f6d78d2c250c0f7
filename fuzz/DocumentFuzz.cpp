// Opens arbitrary bytes as a document file: the sound through the sound-file
// checks, the locators from the markers and the stored slicing, then uses
// the opened document the way the window and the exports do.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "document/export/CLoopDocument.h"
#include "document/export/DocumentFile.h"
#include "framework/exceptions/Exceptions.h"
#include "framework/streams/CMemoryMedia.h"
#include "slicing/CSliceRenderSet.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CMemoryMedia media(static_cast<std::int64_t>(size));
    if (size > 0) std::memcpy(media.Data(), data, size);
    try {
        DocumentOpening opening = OpenDocumentMedia(media, "Fuzz", CSlicingSettings{});
        if (!opening.document) return 0;
        CLoopDocument& document = *opening.document;
        CSliceRenderSet renderSet(document.Sound(), document.Slices(), document.Settings());
        for (int k = 0; k < renderSet.Count() && k < 4; ++k) renderSet.TickOf(renderSet.OutputSegment(k).start);
        (void)document.Tempo();
        (void)document.IsDirty();
    } catch (const XBase&) {
        // Refused input: every failure is one of the program's exceptions.
    }
    return 0;
}
