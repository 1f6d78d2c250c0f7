#pragma once
// Pictures and the colour table stored in the executable: BMP files (SBMP,
// SMTB), JPEG pictures (JPEG) and the 236-colour table (SCOL).
#include <array>
#include <cstdint>
#include <memory>

#include "gui/graphics/CBitmap32.h"

class QImage;

class CPictureResources {
public:
    // XNotFound when the executable holds no such resource; then the loader's own errors.
    static std::unique_ptr<CBitmap32> LoadBMP(const char* type, std::uint16_t number);
    // A BMP whose top-left pixel's colour is the transparent one (slice
    // markers, toolbar button faces), ready to draw.
    static QImage LoadMaskedBMP(const char* type, std::uint16_t number);
    static std::unique_ptr<CABCBitmap> LoadJPEG(std::uint16_t number, int depth, const CPalette* colorMap = nullptr);
    static std::array<RGBColor, CPalette::kFreeEntries> LoadColorTable(std::uint16_t number);
};
