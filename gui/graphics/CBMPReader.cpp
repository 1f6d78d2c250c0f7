#include "gui/graphics/CBMPReader.h"

#include <cstdint>
#include <vector>

#include "framework/exceptions/GeneralExceptions.h"
#include "framework/streams/CMedia.h"

namespace {

std::int32_t Little32(const std::uint8_t* bytes)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
                                     static_cast<std::uint32_t>(bytes[2]) << 16 |
                                     static_cast<std::uint32_t>(bytes[3]) << 24);
}

int Little16(const std::uint8_t* bytes)
{
    return bytes[0] | bytes[1] << 8;
}

}  // namespace

std::unique_ptr<CBitmap32> CBMPReader::Read(CMedia& media)
{
    const std::int64_t start = media.GetPosition();
    std::uint8_t header[54];
    media.Read(sizeof header, header);
    if (header[0] != 'B' || header[1] != 'M' || Little32(header + 14) < 40)
        throw XBadFormat();
    const std::int32_t width = Little32(header + 18);
    const std::int32_t storedHeight = Little32(header + 22);
    if (Little16(header + 28) != 24 || Little32(header + 30) != 0)
        throw XUnsupportedFormat();
    // A negative height marks a file stored top row first.
    const bool topDown = storedHeight < 0;
    const std::int64_t height = topDown ? -static_cast<std::int64_t>(storedHeight) : storedHeight;
    if (width <= 0 || height == 0 || width > 32767 || height > 32767)
        throw XBadFormat();
    const std::int32_t pixelOffset = Little32(header + 10);
    if (pixelOffset >= static_cast<std::int32_t>(sizeof header))
        media.SetPosition(start + pixelOffset);

    auto bitmap = std::make_unique<CBitmap32>(width, static_cast<int>(height));
    std::uint8_t* pixels = bitmap->LockPixels();
    // File rows are padded to a multiple of 4 bytes.
    std::vector<std::uint8_t> row(static_cast<std::size_t>((width + 1) * 3 / 4 * 4));
    for (std::int64_t r = 0; r < height; ++r) {
        media.Read(static_cast<std::int64_t>(row.size()), row.data());
        const std::int64_t y = topDown ? r : height - 1 - r;
        std::uint8_t* to = pixels + y * bitmap->GetBytesPerRow();
        for (std::int32_t x = 0; x < width; ++x) {
            to[4 * x] = row[static_cast<std::size_t>(3 * x)];
            to[4 * x + 1] = row[static_cast<std::size_t>(3 * x + 1)];
            to[4 * x + 2] = row[static_cast<std::size_t>(3 * x + 2)];
            to[4 * x + 3] = 0;
        }
    }
    bitmap->UnlockPixels();
    return bitmap;
}
