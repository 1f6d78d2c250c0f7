// Arbitrary bytes read as a SampleCell template instrument. Refusals are
// exceptions of the program's tree; anything else (a crash, a read outside
// the input, a hang) is a finding.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "formats/samplecell/SampleCellTemplate.h"
#include "framework/exceptions/XBase.h"
#include "framework/streams/CMemoryMedia.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CMemoryMedia media(static_cast<std::int64_t>(size));
    if (size) std::memcpy(media.Data(), data, size);
    SampleCellTemplate tmpl = SampleCellTemplate::Defaults();
    try {
        ReadSampleCellTemplate(tmpl, media);
    } catch (const XBase&) {
    }
    return 0;
}
