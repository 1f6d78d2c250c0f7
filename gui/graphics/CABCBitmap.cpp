#include "gui/graphics/CABCBitmap.h"

#include <QImage>
#include <QPainter>
#include <cstring>
#include <new>

#include "framework/exceptions/GeneralExceptions.h"

namespace {

QImage::Format FormatOfDepth(int depth)
{
    switch (depth) {
    case 1: return QImage::Format_Mono;
    case 8: return QImage::Format_Indexed8;
    case 16: return QImage::Format_RGB555;
    case 24: return QImage::Format_BGR888;
    default: return QImage::Format_RGB32;
    }
}

QList<QRgb> ColorTable(const CPalette& palette, int depth)
{
    QList<QRgb> table;
    const int count = depth == 1 ? 2 : CPalette::kSize;
    for (int i = 0; i < count; ++i)
        table.append(qRgb(palette[i].red, palette[i].green, palette[i].blue));
    return table;
}

}  // namespace

int CABCBitmap::GetBytesPerRow(int width, int depth)
{
    const int bytes = (width * depth + 7) / 8;
    return (bytes + 3) / 4 * 4;
}

CABCBitmap::CABCBitmap(int width, int height, int depth, const CPalette& palette)
    : width_(0), height_(0), depth_(depth), bytesPerRow_(0), palette_(palette)
{
    if (width < 0 || height < 0 || width > 32767 || height > 32767)
        throw XOutOfMemory();
    width_ = static_cast<std::int16_t>(width);
    height_ = static_cast<std::int16_t>(height);
    bytesPerRow_ = GetBytesPerRow(width, depth);
    const std::size_t size = static_cast<std::size_t>(bytesPerRow_) * static_cast<std::size_t>(height);
    pixels_.reset(new (std::nothrow) std::uint8_t[size > 0 ? size : 1]());
    if (!pixels_)
        throw XOutOfMemory();
}

CABCBitmap::~CABCBitmap() = default;

std::uint8_t* CABCBitmap::LockPixels()
{
    FlushDrawing();
    return pixels_.get();
}

QImage CABCBitmap::GetImage() const
{
    QImage image(pixels_.get(), width_, height_, bytesPerRow_, FormatOfDepth(depth_));
    if (depth_ <= 8)
        image.setColorTable(ColorTable(palette_, depth_));
    return image;
}

QPainter& CABCBitmap::GetPainter()
{
    if (!painter_) {
        if (depth_ <= 8)
            target_ = std::make_unique<QImage>(GetImage().convertToFormat(QImage::Format_RGB32));
        else
            target_ = std::make_unique<QImage>(pixels_.get(), width_, height_, bytesPerRow_, FormatOfDepth(depth_));
        painter_ = std::make_unique<QPainter>(target_.get());
    }
    return *painter_;
}

void CABCBitmap::FlushDrawing()
{
    if (!painter_)
        return;
    painter_.reset();
    if (depth_ <= 8) {
        // Back to the colour table: each pixel becomes its nearest entry.
        const QImage back = target_->convertToFormat(FormatOfDepth(depth_), ColorTable(palette_, depth_),
                                                     Qt::ThresholdDither | Qt::AvoidDither);
        for (int row = 0; row < height_; ++row) {
            std::memcpy(pixels_.get() + static_cast<std::ptrdiff_t>(row) * bytesPerRow_, back.constScanLine(row),
                        static_cast<std::size_t>((width_ * depth_ + 7) / 8));
        }
    } else if (depth_ == 32) {
        // The painter fills the fourth byte; the layout keeps it 0.
        for (int row = 0; row < height_; ++row) {
            std::uint8_t* pixel = pixels_.get() + static_cast<std::ptrdiff_t>(row) * bytesPerRow_;
            for (int x = 0; x < width_; ++x)
                pixel[4 * x + 3] = 0;
        }
    }
    target_.reset();
}
