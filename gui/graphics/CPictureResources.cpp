#include "gui/graphics/CPictureResources.h"

#include <QImage>
#include <strings.h>

#include "framework/exceptions/GeneralExceptions.h"
#include "framework/streams/CMemoryMedia.h"
#include "gui/graphics/CBMPReader.h"
#include "gui/graphics/CJPEGDecoder.h"
#include "gui/graphics/CTransparentBitmap.h"
#include "resources/EmbeddedResources.h"

namespace {

const EmbeddedResource& Find(const char* type, std::uint16_t number)
{
    for (std::size_t i = 0; i < kEmbeddedResourceCount; ++i) {
        const EmbeddedResource& resource = kEmbeddedResources[i];
        if (resource.number == number && strcasecmp(resource.type, type) == 0)
            return resource;
    }
    throw XNotFound();
}

CMemoryMedia MediaOf(const EmbeddedResource& resource)
{
    CMemoryMedia media(static_cast<std::int64_t>(resource.size));
    media.Write(static_cast<std::int64_t>(resource.size), resource.data);
    media.SetPosition(0);
    return media;
}

}  // namespace

std::unique_ptr<CBitmap32> CPictureResources::LoadBMP(const char* type, std::uint16_t number)
{
    CMemoryMedia media = MediaOf(Find(type, number));
    return CBMPReader::Read(media);
}

QImage CPictureResources::LoadMaskedBMP(const char* type, std::uint16_t number)
{
    const std::unique_ptr<CBitmap32> picture = LoadBMP(type, number);
    const std::uint8_t* topLeft = picture->GetPixels();
    const CTransparentBitmap masked(*picture, RGBColor{topLeft[2], topLeft[1], topLeft[0]});
    return masked.MakeMaskedImage(false);
}

std::unique_ptr<CABCBitmap> CPictureResources::LoadJPEG(std::uint16_t number, int depth, const CPalette* colorMap)
{
    CMemoryMedia media = MediaOf(Find("JPEG", number));
    return CJPEGDecoder::Decode(media, depth, colorMap);
}

std::array<RGBColor, CPalette::kFreeEntries> CPictureResources::LoadColorTable(std::uint16_t number)
{
    const EmbeddedResource& resource = Find("SCOL", number);
    return CPalette::ReadColorTable(resource.data, resource.size);
}
