#include "gui/graphics/CTransparentBitmap.h"

#include <QImage>

CTransparentBitmap::CTransparentBitmap(const CABCBitmap& picture, RGBColor transparentColor)
    : image_(picture.GetWidth(), picture.GetHeight()), mask_(picture.GetWidth(), picture.GetHeight())
{
    const QImage source = picture.GetImage().convertToFormat(QImage::Format_RGB32);
    std::uint8_t* image = image_.LockPixels();
    std::uint8_t* mask = mask_.LockPixels();
    for (int y = 0; y < GetHeight(); ++y) {
        const QRgb* from = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        std::uint8_t* imageRow = image + static_cast<std::ptrdiff_t>(y) * image_.GetBytesPerRow();
        std::uint8_t* maskRow = mask + static_cast<std::ptrdiff_t>(y) * mask_.GetBytesPerRow();
        for (int x = 0; x < GetWidth(); ++x) {
            const RGBColor color{static_cast<std::uint8_t>(qRed(from[x])), static_cast<std::uint8_t>(qGreen(from[x])),
                                 static_cast<std::uint8_t>(qBlue(from[x]))};
            imageRow[4 * x] = color.blue;
            imageRow[4 * x + 1] = color.green;
            imageRow[4 * x + 2] = color.red;
            imageRow[4 * x + 3] = 0;
            if (color == transparentColor)
                maskRow[x / 8] = static_cast<std::uint8_t>(maskRow[x / 8] | (0x80 >> (x % 8)));
        }
    }
}

const CBitmap8& CTransparentBitmap::Get8BitCopy() const
{
    if (!eightBitCopy_) {
        auto copy = std::make_unique<CBitmap8>(GetWidth(), GetHeight(), CPalette::MakeCubePalette());
        std::uint8_t* to = copy->LockPixels();
        const std::uint8_t* from = image_.GetPixels();
        for (int y = 0; y < GetHeight(); ++y) {
            const std::uint8_t* fromRow = from + static_cast<std::ptrdiff_t>(y) * image_.GetBytesPerRow();
            std::uint8_t* toRow = to + static_cast<std::ptrdiff_t>(y) * copy->GetBytesPerRow();
            for (int x = 0; x < GetWidth(); ++x)
                toRow[x] = CPalette::CubeIndex({fromRow[4 * x + 2], fromRow[4 * x + 1], fromRow[4 * x]});
        }
        eightBitCopy_ = std::move(copy);
    }
    return *eightBitCopy_;
}

QImage CTransparentBitmap::MakeMaskedImage(bool eightBit) const
{
    const CABCBitmap& picture = eightBit ? static_cast<const CABCBitmap&>(Get8BitCopy()) : image_;
    QImage result = picture.GetImage().convertToFormat(QImage::Format_ARGB32);
    const std::uint8_t* mask = mask_.GetPixels();
    for (int y = 0; y < GetHeight(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(result.scanLine(y));
        const std::uint8_t* maskRow = mask + static_cast<std::ptrdiff_t>(y) * mask_.GetBytesPerRow();
        for (int x = 0; x < GetWidth(); ++x) {
            if (maskRow[x / 8] & (0x80 >> (x % 8)))
                row[x] = qRgba(0, 0, 0, 0);
        }
    }
    return result;
}
