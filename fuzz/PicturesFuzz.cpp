// Arbitrary bytes read as a BMP file or decoded as a JPEG picture at every
// depth: each must end in a bitmap or one of the format exceptions, with
// nothing leaked.
#include <cstddef>
#include <cstdint>

#include "framework/exceptions/Exceptions.h"
#include "framework/streams/CMemoryMedia.h"
#include "gui/graphics/CBMPReader.h"
#include "gui/graphics/CJPEGDecoder.h"
#include "gui/graphics/CPalette.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1 || size > (1u << 20))
        return 0;
    // The first byte chooses the reader and the depth.
    const std::uint8_t choice = data[0];
    CMemoryMedia media(static_cast<std::int64_t>(size - 1));
    if (size > 1)
        media.Write(static_cast<std::int64_t>(size - 1), data + 1);
    media.SetPosition(0);
    try {
        if (choice & 0x80) {
            CBMPReader::Read(media);
        } else {
            static const int kDepths[] = {8, 16, 24, 32};
            static const CPalette kCube = CPalette::MakeCubePalette();
            CJPEGDecoder::Decode(media, kDepths[choice & 3], &kCube);
        }
    } catch (const XBase&) {
        // A refused picture is the expected end for most inputs.
    }
    return 0;
}
